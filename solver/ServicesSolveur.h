// What the rest of the program asks of the solver: the double-dummy analysis of a deal, the most
// tricks of a position, and the reading of a deal text.
#pragma once

#include "model/VariablesGlobales.h"
#include "solver/ParametresSolveur.h"
#include "solver/SolveurDoubleMort.h"

#include <optional>
#include <string_view>

namespace plio {

// The twenty solves of a deal (five strains, four leaders): fills Plis and EntamesCorrectes.
void AnalyseDoubleMort(SolveurDoubleMort& solveur, board& donne);
// The four solves of one strain (1..5): its column of Plis and EntamesCorrectes, nothing else.
// The strains of a deal are independent of each other.
void AnalyseDoubleMortCouleur(SolveurDoubleMort& solveur, board& donne, int strain);

// Most tricks of the side on lead from the position in the block (no card on the table); every
// memory is created and freed around the solve. -1 when the hands are inconsistent.
int PlisMaximum(SolveurDoubleMort& solveur, ParametresSolveur parametres);

// The hands of a deal text such as "N:AKQ2.J43.T98.765 ..." (any first seat, English or French
// rank letters, "-" or nothing for a void), as holdings [seat][suit]; nothing unless the four
// hands hold 13 distinct cards each.
std::optional<std::array<std::array<std::uint16_t, 5>, 5>> LitMains(std::string_view texte);

} // namespace plio
