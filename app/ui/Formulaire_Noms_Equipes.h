// The pair and team names window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class Tform16 final : public FenetreProvisoire {
public:
    explicit Tform16(Contexte& contexte)
        : FenetreProvisoire(contexte, "Tform16", { "  Noms des joueurs", "  Name of the players" })
    {
    }
};

} // namespace plio
