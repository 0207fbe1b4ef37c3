// The mail sending window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm6 final : public FenetreProvisoire {
public:
    explicit TForm6(Contexte& contexte)
        : FenetreProvisoire(
            contexte, "TForm6", { "Envoi du fichier", "Sending the file" }, 640, 420)
    {
    }
};

} // namespace plio
