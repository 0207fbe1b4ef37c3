// The quality window's content: six grids, one per aspect of play, pairs from best to worst.
#pragma once

#include "model/VariablesGlobales.h"
#include "tournament/Grille.h"
#include "tournament/Qualite.h"

#include <string>
#include <string_view>
#include <vector>

namespace plio {

struct GrilleQualite {
    std::string Titre;
    Grille Cellules; // row 0: "N°", "R ", "T ", then the deal indexes
    // Pair number of each row (0 for the caption row): the window highlights the selected pair.
    std::vector<int> PaireDeRangee;
};

// Bidding, declarer play, defence, leads, opportunity and chance. Declarer play and defence give
// each pair a second row with the percentage conceded. A team match has no percentages: no
// second rows and no chance grid.
std::vector<GrilleQualite> GrillesQualite(const Ttournoi& tournoi,
    const std::vector<Tqualite>& qualites, std::string_view langue = Langue);

} // namespace plio
