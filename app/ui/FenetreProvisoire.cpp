#include "app/ui/FenetreProvisoire.h"

#include "app/ui/NLabel.h"

#include <QLabel>
#include <QToolButton>

namespace plio {

namespace {

constexpr Legende TexteEnPreparation {
    "Cette fenêtre sera disponible dans une prochaine version de Plioscope.",
    "This window will be available in a coming version of Plioscope."
};

} // namespace

FenetreProvisoire::FenetreProvisoire(
    Contexte& c, const char* nomForme, Legende t, int largeur, int hauteur)
    : Fenetre(c, nomForme)
    , titre(t)
{
    DimensionneFenetre(largeur, hauteur);
    FondDeFenetre(QColor(232, 239, 228));
    cadreTitre = Cadre(20, 20, largeur - 40, 48, QColor(255, 236, 160), 10);
    cadreTitre->setAlignment(Qt::AlignCenter);
    cadreTitre->setFont(Police(20, true));

    note = new QLabel(this);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    note->setFont(Police(14));
    Place(note, 20, 80, largeur - 40, hauteur - 160);

    retour = BoutonRetour(largeur - 160, hauteur - 64);
    FaitLangue();
}

void FenetreProvisoire::FaitLangue()
{
    setWindowTitle(Texte(titre));
    cadreTitre->setText(Texte(titre));
    note->setText(Texte(TexteEnPreparation));
    retour->setText(Texte(LegendesCommunes::Retour));
}

} // namespace plio
