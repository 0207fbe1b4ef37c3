// The ranking window's content: one row per pair in display order, nine columns.
#pragma once

#include "model/VariablesGlobales.h"
#include "tournament/Classement.h"
#include "tournament/Grille.h"
#include "tournament/Qualite.h"

#include <optional>
#include <string_view>
#include <vector>

namespace plio {

// Total + % lost as declarer + % lost as defender - % chance: what the pair would have scored
// with double-dummy play and no luck. None when a figure is missing.
std::optional<double> ScoreIdeal(const Tclassemt& ligne, const Tqualite& qualite);

// Rows for the lines in their current order (TrieClassement first); row 0 holds the captions.
// A team match has three columns: rank, team, IMPs won.
Grille GrilleClassement(const Ttournoi& tournoi, const std::vector<Tclassemt>& lignes,
    const std::vector<Tqualite>& qualites, std::string_view langue = Langue);

} // namespace plio
