// Reading the program's own PBN dialect: the header with the pairs, then one block per deal with
// its deal line, the double-dummy analysis and the result sheets.
#pragma once

#include "model/VariablesGlobales.h"
#include "pbn/ResultatFichier.h"

#include <string>
#include <vector>

namespace plio {

// The file is in the dialect when its header (the lines before the first "[Board") holds the
// pair list tag "[Pairs".
bool EstDuDialecte(const std::vector<std::string>& lignes);

// Fills a zeroed competition from the lines of a file of the dialect, with the sheet texts in
// the file's English notation. On failure the result holds the line where reading stopped and
// the competition is left partly filled (the caller drops it).
ResultatFichier LitDialecte(const std::vector<std::string>& lignes, Competition& competition,
    DiagnosticLecture& diagnostic);

} // namespace plio
