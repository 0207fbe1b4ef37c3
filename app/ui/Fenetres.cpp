#include "app/ui/Fenetres.h"

#include "app/ui/AfficheAide.h"
#include "app/ui/AfficheMainsAlea.h"
#include "app/ui/AfficheRepertoire.h"
#include "app/ui/AnalyseDonne.h"
#include "app/ui/AnalyseTournoi.h"
#include "app/ui/Classement.h"
#include "app/ui/ConfigurationMail.h"
#include "app/ui/EnvoiMail.h"
#include "app/ui/FeedbackMail.h"
#include "app/ui/FeuilleDeResultats.h"
#include "app/ui/FeuilleDeRoute.h"
#include "app/ui/FormulaireTournoi.h"
#include "app/ui/Formulaire_Noms_Equipes.h"
#include "app/ui/GestionMail.h"
#include "app/ui/ListeDestinataires.h"
#include "app/ui/NavigationFeuilleDeResultats.h"
#include "app/ui/PageDeGarde.h"
#include "app/ui/QualiteDuJeu.h"
#include "app/ui/SaisieDonnees.h"

namespace plio {

Fenetres::Fenetres() = default;
Fenetres::~Fenetres() = default;

std::vector<Fenetre*> Fenetres::Toutes() const
{
    return { Form1.get(), Form2.get(), Form3.get(), Form4.get(), Form5.get(), Form6.get(),
        Form7.get(), Form9.get(), Form10.get(), Form11.get(), Form12.get(), Form13.get(),
        Form14.get(), Form15.get(), Form16.get(), Form17.get(), Form18.get(), Form19.get(),
        Form20.get() };
}

Fenetre* Fenetres::ParNom(std::string_view nom) const
{
    for (Fenetre* fenetre : Toutes())
        if (fenetre && fenetre->objectName() == QLatin1String(nom.data(), nom.size()))
            return fenetre;
    return nullptr;
}

std::unique_ptr<Fenetres> CreeFenetres(Contexte& contexte)
{
    auto f = std::make_unique<Fenetres>();
    contexte.fenetres = f.get();
    f->Form1 = std::make_unique<TForm1>(contexte);
    f->Form2 = std::make_unique<TForm2>(contexte);
    f->Form3 = std::make_unique<TForm3>(contexte);
    f->Form4 = std::make_unique<TForm4>(contexte);
    f->Form5 = std::make_unique<TForm5>(contexte);
    f->Form6 = std::make_unique<TForm6>(contexte);
    f->Form7 = std::make_unique<TForm7>(contexte);
    f->Form9 = std::make_unique<TForm9>(contexte);
    f->Form10 = std::make_unique<TForm10>(contexte);
    f->Form11 = std::make_unique<TForm11>(contexte);
    f->Form12 = std::make_unique<TForm12>(contexte);
    f->Form13 = std::make_unique<TForm13>(contexte);
    f->Form14 = std::make_unique<TForm14>(contexte);
    f->Form15 = std::make_unique<TForm15>(contexte);
    f->Form16 = std::make_unique<Tform16>(contexte);
    f->Form17 = std::make_unique<TForm17>(contexte);
    f->Form18 = std::make_unique<TForm18>(contexte);
    f->Form19 = std::make_unique<TForm19>(contexte);
    f->Form20 = std::make_unique<TForm20>(contexte);
    return f;
}

} // namespace plio
