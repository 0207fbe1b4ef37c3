// The competition creation window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm9 final : public FenetreProvisoire {
public:
    explicit TForm9(Contexte& contexte)
        : FenetreProvisoire(
            contexte, "TForm9", { "Création d'une compétition", "Creation of a competition" })
    {
    }
};

} // namespace plio
