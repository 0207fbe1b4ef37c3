// The deal entry window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm2 final : public FenetreProvisoire {
public:
    explicit TForm2(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm2", { "Saisie des donnes", "Deal entry" })
    {
    }
};

} // namespace plio
