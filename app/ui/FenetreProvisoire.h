// The common shape of the windows that are not built yet: their caption and title in both
// languages and a return button, so that the start-up order, the language switch and the
// commands that open them already work.
#pragma once

#include "app/ui/Fenetre.h"

class QLabel;
class QToolButton;

namespace plio {

class FenetreProvisoire : public Fenetre {
public:
    FenetreProvisoire(Contexte& contexte, const char* nomForme, Legende titre,
        int largeur = LargeurConception, int hauteur = HauteurConception);

    void FaitLangue() override;

private:
    Legende titre;
    TNLabel* cadreTitre;
    QLabel* note;
    QToolButton* retour;
};

} // namespace plio
