#pragma once

#include "model/VariablesGlobales.h"

#include <nlohmann/json.hpp>

#include <iosfwd>

// The analysis of a deal as the command-line tool shows it: tricks table, best contracts, par
// and correct leads, as text or as JSON.
void AfficheTablePlis(std::ostream& sortie, const plio::board& donne);
void AfficheContratsEtPar(std::ostream& sortie, const plio::board& donne);
void AfficheEntames(std::ostream& sortie, const plio::board& donne);
nlohmann::ordered_json AnalyseEnJson(const plio::board& donne, bool entames);
