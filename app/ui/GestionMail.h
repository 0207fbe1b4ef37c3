// The mail management window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm13 final : public FenetreProvisoire {
public:
    explicit TForm13(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm13", { "Envoyer un fichier", "Send a file" })
    {
    }
};

} // namespace plio
