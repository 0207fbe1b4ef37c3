// The ranking window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm17 final : public FenetreProvisoire {
public:
    explicit TForm17(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm17", { "Classement général", "Ranking" })
    {
    }
};

} // namespace plio
