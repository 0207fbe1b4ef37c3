// Building the deal line of the dialect from the hands.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace plio {

// `[Deal "F:hands"]` with the hands clockwise from seat `premier` (1 South .. 4 East), each as
// spades.hearts.diamonds.clubs from the ace down, English rank letters, an empty group for a
// void. `couleurs` holds holding masks by [seat][suit] as in `board::Couleurs`.
std::string LigneDonneDeCouleurs(
    int premier, const std::array<std::array<std::uint16_t, 5>, 5>& couleurs);

} // namespace plio
