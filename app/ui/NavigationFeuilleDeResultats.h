// The current deal window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm3 final : public FenetreProvisoire {
public:
    explicit TForm3(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm3", { "Donne courante", "Current deal" }, 360, 300)
    {
    }
};

} // namespace plio
