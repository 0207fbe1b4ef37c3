// The random deals window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm12 final : public FenetreProvisoire {
public:
    explicit TForm12(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm12", { "Donnes aléatoires", "Random deals" }, 640, 520)
    {
    }
};

} // namespace plio
