// The content of one window grid: rows of cell texts, row 0 holding the captions. The windows
// only display it; the command-line tool prints it.
#pragma once

#include <string>
#include <vector>

namespace plio {

using Grille = std::vector<std::vector<std::string>>;

// Shown where a figure has no value (no deal to average over).
inline constexpr const char* SansValeur = "–";

} // namespace plio
