// Tolerant reading of ordinary PBN files written by other programs (dealing machines,
// hand-record generators): only the boards, dealers, vulnerabilities and deals are taken.
#pragma once

#include "model/VariablesGlobales.h"
#include "pbn/ResultatFichier.h"

#include <string>
#include <string_view>
#include <vector>

namespace plio {

// Never fails: what cannot be understood is left out. The competition is a pairs tournament
// without tables, named after the first [Event] (or `nomParDefaut` when there is none).
void LitPbnOrdinaire(const std::vector<std::string>& lignes, std::string_view nomParDefaut,
    Competition& competition, DiagnosticLecture& diagnostic);

} // namespace plio
