// The mail configuration window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm14 final : public FenetreProvisoire {
public:
    explicit TForm14(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm14",
            { "Configuration de votre mail", "Configuration de votre mail" }, 640, 420)
    {
    }
};

} // namespace plio
