// Duplicate scoring: score tables, the score of a table's result, contract scores of the
// analysis, IMPs, matchpoint percentages and the fixed texts of percentages and scores.
#pragma once

#include "model/Dialogues.h"
#include "model/VariablesGlobales.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace plio {

// Columns 1..6: not vulnerable (undoubled, doubled, redoubled), then vulnerable.
struct TablesDeScore {
    std::array<std::array<std::array<std::uint16_t, 7>, 4>, 8> ScoreDemande {}; // [level][class][column]
    std::array<std::array<std::uint16_t, 7>, 14> ScoreSurlevee {};                // [row][column]
    std::array<std::array<std::uint16_t, 7>, 14> ScoreChute {};                   // [down][column]
};

// The tables, computed once from the Laws' scoring rules.
const TablesDeScore& TablesScore();

struct ScoreEtCamp {
    int score = 0;
    int camp = 0; // 0 North-South, 1 East-West
    bool operator==(const ScoreEtCamp&) const = default;
};

// Score of one table's result, from the texts typed in the interface language's letters.
ScoreEtCamp ScoreFeuille(std::string_view contrat, std::string_view declarant,
    std::string_view resultat, const board& donne, std::string_view langue = Langue);

// Analysis convention: made contracts undoubled, failing contracts at the doubled penalty.
int ScoreContratAnalyse(int surOuSous, int strain, int decalageVulnerable, int niveau);

// Fills ScoreContrat and ScoreContratParPalier of one declarer and strain from Plis.
void CalculeScoresContrats(board& donne, int declarant, int strain);

int ConvertitIMP(int ecart);

// Team match: IMPs won on the deal by the line playing North-South at table 1.
void ResultatMatch(board& donne);

// Matchpoint percentages of the deal's sheets 1..n; adjusted marks are asked through dialogues.
void CalculePourcentages(board& donne, int n, Dialogues& dialogues, std::string_view langue = Langue);

std::string FormatPourcent(double x);
std::string FormatFraction(double f);
std::string FormatPourcentEntier(std::string_view texte);
std::string ArrondiPourcent(std::string_view texte);
std::string FormatEcart(int mode, double x);
std::string FormatPerte(int mode, double x);

} // namespace plio
