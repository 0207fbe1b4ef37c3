// The tournament analysis window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm10 final : public FenetreProvisoire {
public:
    explicit TForm10(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm10", { "Analyse du tournoi", "Tournament analysis" })
    {
    }
};

} // namespace plio
