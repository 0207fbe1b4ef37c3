// Runs the solver's analysis of a whole competition off the interface thread, with a progress
// dialog, so that the windows keep being drawn during the minutes it may take.
#pragma once

#include "app/Contexte.h"

class QWidget;

namespace plio {

// True once every deal is analysed; false when the user stopped the analysis (the deals not
// yet solved are left as they were), or, having done nothing, when no analysis service is
// available.
bool AnalyseAvecProgression(QWidget* parent, Contexte& contexte, Competition& competition);

} // namespace plio
