// The deal analysis window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm11 final : public FenetreProvisoire {
public:
    explicit TForm11(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm11", { "Analyse d'une donne", "Analysis of a deal" })
    {
    }
};

} // namespace plio
