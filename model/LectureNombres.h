// Numbers typed or stored as text, read the same whatever the locale the program runs in
// (a French locale would otherwise expect a decimal comma from the C library).
#pragma once

#include <optional>
#include <string_view>

namespace plio {

// A whole number, with an optional sign, spaces around it allowed; nothing else.
std::optional<int> LitEntier(std::string_view texte);

// A real number written with a decimal comma or point, spaces around it allowed; nothing else.
std::optional<double> LitReel(std::string_view texte);

} // namespace plio
