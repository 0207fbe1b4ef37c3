// The ranking of the pairs: average percentage overall, as declarer and in defence, with the
// ranks of each. In a team match the teams are ranked by the IMPs they won.
#pragma once

#include "model/VariablesGlobales.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace plio {

// One ranking line per pair, indexed like Paires (1..2N, entry 0 unused).
struct Tclassemt {
    std::int32_t NumeroPaire = 0;
    double MoyenneTotale = 0;
    double MoyenneDeclarant = 0;
    double MoyenneDefense = 0;
    std::int32_t RangTotal = 1;
    std::int32_t RangDeclarant = 1;
    std::int32_t RangDefense = 1;
    std::int32_t NbDonnesDeclarant = 0;
    std::int32_t NbDonnesDefense = 0;
    std::int32_t NbDonnes = 0;
    // Team match: IMPs won by the team over the deals (what RangTotal ranks there).
    std::int32_t TotalIMP = 0;

    bool operator==(const Tclassemt&) const = default;
};

bool EstMatchParEquipes(const Ttournoi& tournoi);

// Averages exist only over at least one deal.
std::optional<double> ValeurTotale(const Tclassemt& ligne, const Ttournoi& tournoi);
std::optional<double> ValeurDeclarant(const Tclassemt& ligne);
std::optional<double> ValeurDefense(const Tclassemt& ligne);

// Side that declared on a sheet: 0 North-South, 1 East-West, -1 nobody (passed out, adjusted).
int CampDuDeclarant(const ResultsSheet& feuille);

std::vector<Tclassemt> InitialiseClassement(const Ttournoi& tournoi);

// Ranks of the pairs in use (Numero not 0); unused slots keep rank 1.
void CalculeRangs(std::vector<Tclassemt>& lignes, const Ttournoi& tournoi);

// Rebuilds every ranking line from the result sheets. Only a complete, valid and analysed file
// ("DFA") has a ranking: otherwise the lines are left as they were and false is returned.
bool FaitClassement(const Competition& competition, std::vector<Tclassemt>& lignes);

// Display order: best total first, pairs without a total last.
void TrieClassement(std::vector<Tclassemt>& lignes, const Ttournoi& tournoi);

// The line of a pair number, whatever the order; nullptr when none.
const Tclassemt* LigneDePaire(const std::vector<Tclassemt>& lignes, int numero);

// Index in Paires of a pair number; 0 when none.
int IndexDePaire(const Ttournoi& tournoi, int numero);

} // namespace plio
