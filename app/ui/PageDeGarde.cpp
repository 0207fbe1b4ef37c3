#include "app/ui/PageDeGarde.h"

#include "app/TelechargeTexte.h"
#include "app/ui/AfficheAide.h"
#include "app/ui/AfficheRepertoire.h"
#include "app/ui/AnalyseAvecProgression.h"
#include "app/ui/AnalyseDonne.h"
#include "app/ui/AnalyseTournoi.h"
#include "app/ui/Fenetres.h"
#include "app/ui/FeuilleDeResultats.h"
#include "app/ui/FormulaireTournoi.h"
#include "app/ui/Formulaire_Noms_Equipes.h"
#include "app/ui/GestionMail.h"
#include "app/ui/Image.h"
#include "app/ui/NLabel.h"
#include "app/ui/NavigationFeuilleDeResultats.h"
#include "app/ui/SaisieDonnees.h"
#include "app/ui/ScaleControls.h"
#include "help/MiseAJour.h"
#include "model/FichierLangue.h"
#include "solver/AnalyseCompetition.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

namespace plio {

namespace {

constexpr Legende TexteSousTitre { "Le bridge de duplicate, donne par donne",
    "Duplicate bridge, deal by deal" };
constexpr Legende TexteVersion { "Version du ", "Version of " };
constexpr Legende BulleOuvrir { "Ouvre les fichiers .PBN.", "Opens .PBN files." };
constexpr Legende BulleAide { "Aide", "Help" };
constexpr Legende BulleFrancais { "Français", "Français" };
constexpr Legende BulleAnglais { "English", "English" };
constexpr Legende InviteTables { "Combien de tables jouent la donne ",
    "How many tables do play the deal " };
// Asked in French whatever the interface language.
constexpr const char* QuestionMemeNombre = "Même nombre de tables pour toutes les autres donnes ?";

const QColor CouleurCadre(255, 244, 200);
const QColor CouleurPanneau(34, 92, 62);

QString Libelle(int n)
{
    return QString::fromStdString(Message(n));
}

} // namespace

TForm1::TForm1(Contexte& c)
    : Fenetre(c, "TForm1")
{
    FixeDossiersEtLangue();
    PlaceControles();
    ScaleControls(this, contexte.facteurs);
    ChargeImages();
    contexte.MiseAJourVerifiee = false;
    FaitLangue();
}

void TForm1::FixeDossiersEtLangue()
{
    contexte.reps = FixeRepertoires(
        contexte.dossierDonneesUtilisateur, contexte.dossierProgramme, contexte.facteurs, Langue);
    // A first run finds neither the data folders nor the language file: they are made here
    // rather than letting the first read or write fail.
    PrepareDossiersDonnees(contexte.reps, contexte.systemeFrancais);
    Langue = LitFichierLangue(CheminLangue(contexte.reps));
    ActualiseRepertoiresCartes(contexte.reps, contexte.facteurs, Langue);
    ChargeTextes(Langue);
}

QToolButton* TForm1::Bouton(int x, int y, int largeur, int hauteur)
{
    auto* bouton = new QToolButton(this);
    bouton->setGeometry(x, y, largeur, hauteur);
    bouton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bouton->setAutoRaise(true);
    bouton->setToolTipDuration(10000);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(14);
    police.setBold(true);
    bouton->setFont(police);
    return bouton;
}

void TForm1::PlaceControles()
{
    // Design pixels of the 1024 x 768 layout; ScaleControls enlarges them afterwards.
    resize(contexte.facteurs.LargeurEchelle, contexte.facteurs.HauteurEchelle);
    FondDeFenetre(QColor(243, 240, 230));

    titre = new QLabel(QStringLiteral("Plioscope"), this);
    QFont policeTitre(QStringLiteral("DejaVu Serif"));
    policeTitre.setPixelSize(64);
    policeTitre.setBold(true);
    titre->setFont(policeTitre);
    titre->setStyleSheet(QStringLiteral("color: #225c3e;"));
    titre->setGeometry(48, 24, 700, 84);

    sousTitre = new QLabel(this);
    QFont policeSousTitre(QStringLiteral("DejaVu Serif"));
    policeSousTitre.setPixelSize(22);
    policeSousTitre.setItalic(true);
    sousTitre->setFont(policeSousTitre);
    sousTitre->setStyleSheet(QStringLiteral("color: #5a4a2a;"));
    sousTitre->setGeometry(52, 108, 700, 32);

    Image3 = new TImage(this);
    Image3->setGeometry(48, 156, 680, 510);

    Image1 = new TImage(this);
    Image1->setGeometry(48, 690, 60, 40);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->SurClic = [this] { Image1Click(); };
    Image2 = new TImage(this);
    Image2->setGeometry(120, 690, 60, 40);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->SurClic = [this] { Image2Click(); };

    panneau = new QLabel(this);
    panneau->setGeometry(776, 0, 248, 768);
    QPalette fondPanneau = panneau->palette();
    fondPanneau.setColor(QPalette::Window, CouleurPanneau);
    panneau->setPalette(fondPanneau);
    panneau->setAutoFillBackground(true);

    const int cadreX = 796;
    const int largeurCadre = 212;
    const auto cadre = [&](int y, int hauteur) {
        auto* frame = new TNLabel(this);
        frame->SetCouleur(CouleurCadre);
        frame->SetCourbe(20);
        frame->setGeometry(cadreX, y, largeurCadre, hauteur);
    };
    cadre(51, 104);
    cadre(171, 54);
    cadre(313, 54);
    cadre(455, 104);

    const int boutonX = cadreX + 4;
    SpeedButton4 = Bouton(boutonX, 51 + 4, 204, 46);
    SpeedButton11 = Bouton(boutonX, 51 + 54, 204, 46);
    SpeedButton2 = Bouton(boutonX, 171 + 4, 204, 46);
    SpeedButton5 = Bouton(boutonX, 313 + 4, 204, 46);
    SpeedButton13 = Bouton(boutonX, 455 + 4, 129, 46);
    SpeedButton3 = Bouton(boutonX, 455 + 54, 129, 46);
    SpeedButton12 = Bouton(cadreX + 137, 455 + 4, 71, 96);
    SpeedButton12->setToolButtonStyle(Qt::ToolButtonIconOnly);
    SpeedButton1 = Bouton(0, 0, 10, 10);
    SpeedButton1->hide();

    version = new QLabel(this);
    QFont policeVersion(QStringLiteral("DejaVu Sans"));
    policeVersion.setPixelSize(12);
    version->setFont(policeVersion);
    version->setStyleSheet(QStringLiteral("color: #e8efe4;"));
    version->setAlignment(Qt::AlignCenter);
    version->setGeometry(776, 730, 248, 24);

    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { SpeedButton11Click(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton12, &QToolButton::clicked, this, [this] { SpeedButton12Click(); });
    connect(SpeedButton13, &QToolButton::clicked, this, [this] { SpeedButton13Click(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
}

void TForm1::ChargeImages()
{
    const auto icone = [this](QToolButton* bouton, const char* nom) {
        const QPixmap picture = Glyphe(nom);
        bouton->setIcon(picture);
        bouton->setIconSize(picture.size().boundedTo(bouton->size() - QSize(8, 8)));
    };
    icone(SpeedButton2, "facteur.bmp");
    icone(SpeedButton3, "Luke.bmp");
    icone(SpeedButton4, "plume.bmp");
    icone(SpeedButton11, "Fichiers.bmp");
    icone(SpeedButton5, "Newton.bmp");
    icone(SpeedButton13, "balleAuCentre.bmp");
    icone(SpeedButton12, "bouee.bmp");
    Image1->setPixmap(Image("francais.bmp"));
    Image2->setPixmap(Image("anglais.bmp"));
    Image3->setPixmap(Image("Tournoi.bmp"));
}

void TForm1::FaitLangue()
{
    setWindowTitle(QStringLiteral("Plioscope"));
    sousTitre->setText(Texte(TexteSousTitre));
    version->setText(Texte(TexteVersion)
        + QString::fromUtf8(DateVersion.data(), static_cast<int>(DateVersion.size())));
    SpeedButton2->setText(Libelle(0));
    SpeedButton3->setText(Libelle(1));
    SpeedButton4->setText(Libelle(2));
    SpeedButton5->setText(Libelle(3));
    SpeedButton11->setText(Libelle(4));
    SpeedButton11->setToolTip(Texte(BulleOuvrir));
    SpeedButton13->setText(Libelle(5));
    SpeedButton12->setToolTip(Texte(BulleAide));
    Image1->setToolTip(Texte(BulleFrancais));
    Image2->setToolTip(Texte(BulleAnglais));
}

void TForm1::Image1Click()
{
    ChangeLangue("french");
}

void TForm1::Image2Click()
{
    ChangeLangue("anglais");
}

void TForm1::ChangeLangue(std::string_view langue)
{
    if (Langue == langue) return;
    SpeedButton13Click();
    plio::ChangeLangue(CheminLangue(contexte.reps), langue);
    ActualiseRepertoiresCartes(contexte.reps, contexte.facteurs, Langue);
    if (!contexte.fenetres) return;
    for (Fenetre* fenetre : contexte.fenetres->Toutes())
        if (fenetre) fenetre->FaitLangue();
}

void TForm1::SpeedButton13Click()
{
    ReinitialiseTournoi(Tournoi);
    // A competition that was read must not look read any more once the memory is emptied,
    // or a later open whose chooser is left without a choice would act on the old one.
    Donnes.assign(1, board {});
    EtatFichier.clear();
    FichierCharge = false;
    if (!contexte.fenetres) return;
    Fenetres& f = *contexte.fenetres;
    for (Fenetre* fenetre :
        { static_cast<Fenetre*>(f.Form10.get()), static_cast<Fenetre*>(f.Form16.get()),
            static_cast<Fenetre*>(f.Form2.get()), static_cast<Fenetre*>(f.Form9.get()) })
        if (fenetre) fenetre->Reinitialise();
    for (Fenetre* fenetre : { static_cast<Fenetre*>(f.Form2.get()),
             static_cast<Fenetre*>(f.Form3.get()), static_cast<Fenetre*>(f.Form4.get()) })
        if (fenetre) fenetre->hide();
}

bool TForm1::ChoisitEtLitFichier()
{
    if (!contexte.fenetres || !contexte.fenetres->Form5) return false;
    contexte.fenetres->Form5->ChoisitFichierOuverture();
    return FichierCharge;
}

void TForm1::SpeedButton11Click()
{
    if (!contexte.MiseAJourVerifiee)
        VerifieUpdate(
            contexte.MiseAJourVerifiee, contexte.siteMiseAJour,
            [](const std::string& adresse) { return TelechargeTexte(adresse); },
            contexte.dialogues);
    SpeedButton13Click();
    if (!ChoisitEtLitFichier()) return;
    hide();
    contexte.fenetres->Form4->show();
    contexte.fenetres->Form3->show();
}

void TForm1::SpeedButton5Click()
{
    SpeedButton13Click();
    if (!ChoisitEtLitFichier()) return;
    if (EtatFichier == "I") {
        contexte.dialogues.AfficheMessage(Message(40));
        return;
    }
    if (EtatFichier == "D")
        contexte.dialogues.AfficheMessage(Message(41));
    else if (EtatFichier == "DA")
        contexte.dialogues.AfficheMessage(Message(42));
    else if (EtatFichier == "DF")
        contexte.dialogues.AfficheMessage(Message(43));
    if (!SpeedButton1Click(2)) {
        // Stopped halfway: the file is left as it was, and so is the title window.
        SpeedButton13Click();
        return;
    }
    hide();
    contexte.fenetres->Form10->show();
}

bool TForm1::SpeedButton1Click(int tag)
{
    if (tag != 2) return true;
    if (EtatFichier == "D" || EtatFichier == "DF") {
        if (!AnalyseAvecProgression(this, contexte, CompetitionCourante))
            return !contexte.analyseDonnes; // no solver at all is no reason to stop
        // The file is written back on this thread: a failure may have to be shown.
        if (contexte.ecritFichierPBN) contexte.ecritFichierPBN(CompetitionCourante);
    } else if (EtatFichier == "DA" || EtatFichier == "DFA") {
        // The file keeps the tricks, not the contract scores drawn from them.
        const int n = std::min<int>(Tournoi.NombreDonnes, static_cast<int>(Donnes.size()) - 1);
        for (int donne = 1; donne <= n; ++donne)
            RecalculeScoresContrats(Donnes[donne]);
    }
    return true;
}

void TForm1::SpeedButton4Click()
{
    SpeedButton13Click();
    if (!contexte.fenetres) return;
    contexte.dialogues.FenetreModale("TForm9");
    if (Tournoi.NomFichier.empty()) return;
    SequenceCreation();
}

void TForm1::SequenceCreation()
{
    Dialogues& d = contexte.dialogues;
    const int nombreDonnes
        = std::min<int>(Tournoi.NombreDonnes, static_cast<int>(Donnes.size()) - 1);
    const auto fixeTables = [](board& b, int n) {
        b.NombreFeuilles = std::max(n, 0);
        // More tables than the sheets were sized for: the extra lines must exist before the
        // result sheet is entered.
        if (static_cast<int>(b.Feuilles.size()) < b.NombreFeuilles + 1)
            b.Feuilles.resize(static_cast<std::size_t>(b.NombreFeuilles + 1));
    };
    const auto demandeTables = [&](int donne) {
        const std::string invite = InviteTables.Texte() + std::to_string(donne) + "?";
        fixeTables(Donnes[donne],
            d.SaisieEntier(LegendesCommunes::NombreDeTables.Texte(), invite, Tournoi.NombreTables)
                .value_or(Tournoi.NombreTables));
    };
    if (nombreDonnes >= 1) {
        demandeTables(1);
        if (d.Question(QuestionMemeNombre)) {
            for (int k = 2; k <= nombreDonnes; ++k)
                fixeTables(Donnes[k], Donnes[1].NombreFeuilles);
        } else {
            for (int k = 1; k <= nombreDonnes; ++k)
                demandeTables(k);
        }
    }
    contexte.fenetres->Form16->Reinitialise();
    d.FenetreModale("Tform16");
    Fenetres& f = *contexte.fenetres;
    hide();
    f.Form9->hide();
    f.Form11->hide();
    f.Form2->show();
    f.Form4->show();
    f.Form3->show();
}

void TForm1::SpeedButton2Click()
{
    hide();
    contexte.fenetres->Form13->show();
}

void TForm1::SpeedButton12Click()
{
    if (contexte.fenetres && contexte.fenetres->Form15) contexte.fenetres->Form15->Button2Click();
}

void TForm1::SpeedButton3Click()
{
    // Every command that changes the competition has already written its file: nothing to save.
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace plio
