// Grids of the analysis windows printed as aligned text tables, or as JSON.
#pragma once

#include "tournament/Grille.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

// Columns padded to their widest cell (counted in characters, names are UTF-8), two spaces
// apart; a line of dashes under the captions. Rows listed in `marquees` start with "*".
void ImprimeGrille(
    std::ostream& sortie, const plio::Grille& grille, const std::vector<bool>& marquees = {});

// {"columns": row 0, "rows": the other rows}.
nlohmann::json GrilleJson(const plio::Grille& grille);
