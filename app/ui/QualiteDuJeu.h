// The quality of play window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm19 final : public FenetreProvisoire {
public:
    explicit TForm19(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm19", { "Qualité du jeu", "Quality of the play" })
    {
    }
};

} // namespace plio
