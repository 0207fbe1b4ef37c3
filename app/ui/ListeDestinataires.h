// The recipient list window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm20 final : public FenetreProvisoire {
public:
    explicit TForm20(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm20",
            { "Créez une liste de destinataires", "Createa list of recipients" }, 640, 420)
    {
    }
};

} // namespace plio
