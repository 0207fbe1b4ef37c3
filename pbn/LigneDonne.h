// Building the deal line of the dialect from the hands, or from the deal of an ordinary PBN file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace plio {

// `[Deal "F:hands"]` with the hands clockwise from seat `premier` (1 South .. 4 East), each as
// spades.hearts.diamonds.clubs from the ace down, English rank letters, an empty group for a
// void. `couleurs` holds holding masks by [seat][suit] as in `board::Couleurs`.
std::string LigneDonneDeCouleurs(
    int premier, const std::array<std::array<std::uint16_t, 5>, 5>& couleurs);

// The deal line of the dialect for a PBN deal value ("N:AKQ.JT9.876.5432 - ..."): hands in
// clockwise order from the first seat, each as spades.hearts.diamonds.clubs with the cards from
// the ace down, an empty group for a void. An unknown hand ("-") stays empty, so the line is
// short of its 78 characters; a deal whose hands cannot be right (a card twice, more than 13
// cards in a hand) gives an empty line.
std::string LigneDonneDePbn(std::string_view valeur);

} // namespace plio
