// The reference solver of Debian's libdds-dev, seen with this program's encodings (seats S W N E
// = 1..4, suits clubs..spades = 1..4, ranks 0..12). For tests and benchmarks only.
#pragma once

#include "solver/ParametresSolveur.h"

#include <dds/dll.h>

#include <array>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <utility>

namespace plio::test {

inline int MainDDS(int main)
{
    return main == 1 ? 2 : main == 2 ? 3 : main == 3 ? 0 : 1;
}
inline int CouleurDDS(int couleur)
{
    return 4 - couleur;
}

inline deal DonneDDS(const ParametresSolveur& p)
{
    deal d {};
    d.trump = p.Atout == 0 ? 4 : CouleurDDS(p.Atout);
    d.first = MainDDS(p.Entameur);
    for (int i = 0; i < 3; ++i) {
        const int s = p.CouleursTable[i + 1];
        d.currentTrickSuit[i] = s ? CouleurDDS(s) : 0;
        d.currentTrickRank[i] = s ? p.RangsTable[i + 1] + 2 : 0;
    }
    for (int h = 1; h <= 4; ++h)
        for (int s = 1; s <= 4; ++s)
            d.remainCards[MainDDS(h)][CouleurDDS(s)] = unsigned(p.Mains[h][s]) << 2;
    return d;
}

// Value of every legal card of the player to move, for the side of that player, from the current
// trick on: the reference solver's "all cards" solve with its equal cards listed one by one.
inline std::map<std::pair<int, int>, int> ValeursDDS(const ParametresSolveur& p)
{
    futureTricks f {};
    const int retour = SolveBoard(DonneDDS(p), -1, 3, 1, &f, 0);
    if (retour != RETURN_NO_FAULT)
        throw std::runtime_error("reference solver error " + std::to_string(retour));
    std::map<std::pair<int, int>, int> valeurs;
    for (int i = 0; i < f.cards; ++i) {
        const int s = 4 - f.suit[i];
        valeurs[{ s, f.rank[i] - 2 }] = f.score[i];
        for (int r = 0; r <= 12; ++r)
            if (f.equals[i] & (1 << (r + 2))) valeurs[{ s, r }] = f.score[i];
    }
    return valeurs;
}

} // namespace plio::test
