// The route sheet window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm18 final : public FenetreProvisoire {
public:
    explicit TForm18(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm18", { "Feuille de route", "Score sheet" })
    {
    }
};

} // namespace plio
