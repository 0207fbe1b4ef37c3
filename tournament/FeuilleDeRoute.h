// A pair's route sheet: every board it played, in board order, with the par, the contract, the
// scores and its percentage, the opponents of each run of boards with the run's mean, and a
// summary of its quality-of-play figures and ranks.
#pragma once

#include "model/VariablesGlobales.h"
#include "tournament/Classement.h"
#include "tournament/Grille.h"
#include "tournament/Qualite.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plio {

// One board of the sheet (entry 0 holds only the pair's own label).
struct route {
    std::int32_t Donne = 0;
    std::string LibellePar;
    std::string TexteContrat;
    std::string TexteScoreNS;
    std::string TexteScoreEO;
    double Pourcentage = 0; // team match: the IMPs the team won on the deal
    std::int32_t Adversaire = 0;
    std::string TexteAdversaire;
    std::int32_t CodeVulnerabilite = 0; // 10 x NS vulnerable + EW vulnerable

    bool operator==(const route&) const = default;
};

struct FeuilleDeRoute {
    int NumeroPaire = 0;
    std::string Camp; // "NS" or "EO": the side of the pair's last board
    std::vector<route> Lignes;
    std::vector<int> DrapeauxPar; // 1 when the contract played is the par contract
    std::vector<bool> DebutsDeGroupe; // first board of a run against the same opponents
    std::string Titre;
    Grille Donnes; // row 0: captions; row l: line l
    Grille Resume; // 3 rows x 12 columns: captions, values, ranks
};

// Par contract (French, three characters) and how it ends double dummy; empty without a par.
std::string LibellePar(const board& donne);

// The contract played, padded to four characters, its declarer and its result.
std::string TexteContrat(const ResultsSheet& feuille);

// "n    name1  name2", the label of a pair on the sheet.
std::string EtiquetteFeuille(const Tpaires& paire, std::string_view langue = Langue);

// The sheet of the pair with that number. `classement` holds the ranking lines (any order) and
// `qualites` the quality figures of every pair.
FeuilleDeRoute FaitFeuilleDeRoute(const Competition& competition, int numeroPaire,
    const std::vector<Tclassemt>& classement, const std::vector<Tqualite>& qualites,
    std::string_view langue = Langue);

} // namespace plio
