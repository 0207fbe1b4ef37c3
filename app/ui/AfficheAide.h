// The help window: never shown itself, it holds the command that opens the help document,
// which the help buttons of the other windows pass their clicks on to.
#pragma once

#include "app/ui/Fenetre.h"

namespace plio {

class TForm15 final : public Fenetre {
public:
    explicit TForm15(Contexte& contexte);

    void FaitLangue() override { }
    // Opens the help document with the platform's document opener, without waiting for it.
    void Button2Click();
};

} // namespace plio
