// Percentages are held as texts with a decimal comma ("56,25", "100,00", " 5,00").
#pragma once

#include <string_view>

namespace plio {

// The number a percentage text holds; 0 for a text that holds none (sheet validation keeps such
// texts out of every analysable file).
double ValeurPourcent(std::string_view texte);

} // namespace plio
