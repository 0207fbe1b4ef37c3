// Best contract of each seat and par of a deal, from its contract scores.
#pragma once

#include "model/VariablesGlobales.h"

#include <string>

namespace plio {

// Fills MeilleurContrat, ContratPar and CampPar from ScoreContrat and Plis.
void MeilleursContratsEtPar(board& donne);

// The declaring side of a par side code in letters: "S", "W", "N", "E", "NS", "EW", and for a
// shared code the East-West then the North-South letters joined by "+" (65 gives "EW+NS").
std::string CampParEnLettres(int campPar);

} // namespace plio
