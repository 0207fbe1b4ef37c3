// The correct opening leads of a seat on lead in a strain: the cards of its hand that hold the
// defence's double-dummy maximum, as the analysis stored them.
#pragma once

#include "model/VariablesGlobales.h"

#include <vector>

namespace plio {

struct Carte {
    int Couleur = 0; // 1 clubs .. 4 spades
    int Rang = 0; // 0 two .. 12 ace
    bool operator==(const Carte&) const = default;
};

// Spades first, highest card first; none for a deal never analysed or a seat or strain out of
// range.
std::vector<Carte> CartesEntameCorrectes(const board& donne, int entameur, int strain);

} // namespace plio
