// The title window's scaling rule: controls laid out in design pixels are enlarged by the
// screen factors, their fonts too.
#pragma once

#include "app/Ecran.h"

class QWidget;

namespace plio {

void ScaleControls(QWidget* fenetre, const FacteursEcran& facteurs);

} // namespace plio
