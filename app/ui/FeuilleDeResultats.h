// The result sheet window (not built yet: a titled window with its return button).
#pragma once

#include "app/ui/FenetreProvisoire.h"

namespace plio {

class TForm4 final : public FenetreProvisoire {
public:
    explicit TForm4(Contexte& contexte)
        : FenetreProvisoire(contexte, "TForm4", { "Feuille de résultats", "Result sheet" })
    {
    }
};

} // namespace plio
