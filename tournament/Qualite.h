// Quality of play: every pair judged on every deal it played against the double-dummy analysis
// stored in the deal (tricks, contract scores, correct leads, par), with totals, averages and
// ranks.
#pragma once

#include "model/VariablesGlobales.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace plio {

// The figures of one pair on one deal.
struct TDonneQualite {
    std::int32_t Encheres = 0; // 0 sound, -1 faulted
    std::int32_t JeuDeclarant = 0; // tricks below double dummy as declarer (negative)
    std::int32_t JeuDefense = 0; // tricks given in defence (negative)
    std::int32_t QualiteEntame = 0; // 0 correct or not judged, -1 not a correct lead
    std::int32_t Opportunite = 0; // 100 x tricks gained, or tricks lost
    double Chance = 0; // percentage - 50 on a normal deal
    double PerteDeclarant = 0; // percentage conceded by the declarer play
    double PerteDefense = 0; // percentage conceded by the defence

    bool operator==(const TDonneQualite&) const = default;
};

// The figures of one pair, indexed like Paires.
struct Tqualite {
    std::int32_t NumeroPaire = 0;
    std::vector<TDonneQualite> ParDonne; // 0..NombreDonnes, entry 0 unused
    std::int32_t TotalEncheres = 0;
    std::int32_t TotalJeuDeclarant = 0;
    std::int32_t TotalJeuDefense = 0;
    std::int32_t TotalEntames = 0;
    std::int32_t TotalOpportunite = 0;
    double Chance = 0; // average over the deals counted
    std::int32_t RangEncheres = 0;
    std::int32_t RangJeuDeclarant = 0;
    std::int32_t RangJeuDefense = 0;
    std::int32_t RangEntames = 0;
    std::int32_t RangOpportunite = 0;
    std::int32_t RangChance = 0;
    double PerteDeclarant = 0; // average over the deals counted
    double PerteDefense = 0; // average over the deals counted
    std::int32_t RangPerteDeclarant = 0;
    std::int32_t RangPerteDefense = 0;
    // Deals counted (d): the averages are sums divided by d, and a pair with d = 0 has no figure.
    std::int32_t NbDonnes = 0;
    // Tricks the opponents gave and tricks the pair lost, over all its deals.
    std::int32_t PlisGagnes = 0;
    std::int32_t PlisPerdus = 0;

    bool operator==(const Tqualite&) const = default;
};

// Tricks gained minus tricks lost.
int BilanOpportunite(const Tqualite& qualite);

// The figures of a pair, or none for a pair that played no deal.
std::optional<double> ValeurSiJouee(const Tqualite& qualite, double valeur);

// The judgements of one pair on one deal, from its own sheet. Percentage figures (chance,
// conceded percentages) are left at 0 in a team match, where sheets hold no percentages.
TDonneQualite JugeDonne(const board& donne, const ResultsSheet& feuille, int numeroPaire,
    bool matchParEquipes, std::string_view langue = Langue);

// The figures of every pair (index 0 and unused slots hold no deal), with their ranks.
std::vector<Tqualite> FaitQualiteDuJeu(
    const Competition& competition, std::string_view langue = Langue);

} // namespace plio
