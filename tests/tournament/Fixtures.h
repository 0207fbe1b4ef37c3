// Small competitions built in memory for the tournament tests.
#pragma once

#include "model/VariablesGlobales.h"

#include <string>

namespace plio::test {

// A pairs tournament ("TPP", state "DFA") of n tables and d deals, pairs 1..2n named
// "H$Nord<p>"/"F$Sud<p>", every deal valid with no sheet yet.
Competition Tournoi(int tables, int donnes, const std::string& type = "TPP");

// One table's line, in the notation of the interface in use.
struct Ligne {
    int ns = 0;
    int eo = 0;
    std::string contrat;
    std::string declarant;
    std::string resultat;
    std::string entame;
    int scoreNS = 0;
    int scoreEO = 0;
    std::string pourcentNS;
    std::string pourcentEO;
};

// Appends the line to the deal's sheets and marks the pairs as having played it.
void AjouteLigne(Competition& competition, int donne, const Ligne& ligne);

} // namespace plio::test
