// The points a table's result scores and the side that gains them, in the English notation of
// the competition files: `score 4SX N -2 NS` prints "500 EW".
#include "cli/CommandeScore.h"

#include "model/LectureNombres.h"
#include "model/Notation.h"
#include "model/Score.h"
#include "model/Textes.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

namespace {

using namespace plio;

// Exit code of an argument the command cannot score.
constexpr int ArgumentRefuse = 2;

struct ArgumentsScore {
    std::string contrat;
    std::string declarant;
    std::string resultat;
    std::string vulnerabilite;
};

bool ContratDuFichier(const std::string& contrat) {
    for (int doublement = 0; doublement <= 2; ++doublement) {
        const auto& noms = NomsContratsFichier(doublement);
        if (std::find(noms.begin() + 1, noms.end(), contrat) != noms.end()) return true;
    }
    return false;
}

// The reason the arguments cannot be scored, or nothing when they can. Beyond the sheet rules
// of the files, the result must be possible for the contract: at most 13 tricks, at least none.
std::optional<std::string> Refus(const ArgumentsScore& a, std::size_t enTrop) {
    if (a.vulnerabilite.empty() || enTrop > 0)
        return "expected four arguments: CONTRACT DECLARER RESULT VULNERABILITY (e.g. 4SX N -2 NS)";
    if (!ContratDuFichier(a.contrat))
        return "invalid contract \"" + a.contrat
            + "\": expected 1C .. 7NT, optionally followed by X or XX";
    if (a.declarant.size() != 1 || SiegeDeLettre(a.declarant[0]) == 0)
        return "invalid declarer \"" + a.declarant + "\": expected N, E, S or W";
    const int niveau = a.contrat[0] - '0';
    const auto ecart = a.resultat == "=" ? std::optional<int>(0) : LitEntier(a.resultat);
    if (!ecart || *ecart > 7 - niveau || *ecart < -(niveau + 6)) {
        const std::string surlevees
            = niveau < 7 ? "+1 .. +" + std::to_string(7 - niveau) + ", " : "";
        return "invalid result \"" + a.resultat + "\" for " + a.contrat + ": expected =, "
            + surlevees + "-1 .. -" + std::to_string(niveau + 6);
    }
    static const std::string_view Vulnerabilites[]
        = { "None", "NS", "EW", "Both", "No", "Love", "-", "Bo", "All" };
    if (std::find(std::begin(Vulnerabilites), std::end(Vulnerabilites), a.vulnerabilite)
        == std::end(Vulnerabilites))
        return "invalid vulnerability \"" + a.vulnerabilite + "\": expected None, NS, EW or Both";
    return std::nullopt;
}

} // namespace

void EnregistreCommandeScore(CLI::App& app) {
    auto arguments = std::make_shared<ArgumentsScore>();
    CLI::App* commande = app.add_subcommand("score",
        "Print the points of one table's result and the side that scores them, e.g. 4SX N -2 NS "
        "gives \"500 EW\"");
    // Missing or extra arguments are refused like wrong ones: one line and the same exit code.
    commande->add_option("CONTRACT", arguments->contrat, "1C .. 7NT, with X or XX when doubled");
    commande->add_option("DECLARER", arguments->declarant, "N, E, S or W");
    commande->add_option("RESULT", arguments->resultat, "=, +n overtricks or -n undertricks");
    commande->add_option("VULNERABILITY", arguments->vulnerabilite, "None, NS, EW or Both");
    commande->allow_extras();
    commande->callback([arguments, commande] {
        if (const auto refus = Refus(*arguments, commande->remaining_size())) {
            std::cerr << "plioscope-cli score: " << *refus << '\n';
            throw CLI::RuntimeError(ArgumentRefuse);
        }
        board donne;
        donne.Vulnerabilite = arguments->vulnerabilite;
        const ScoreEtCamp score = ScoreFeuille(
            arguments->contrat, arguments->declarant, arguments->resultat, donne, "anglais");
        std::cout << score.score << (score.camp == 0 ? " NS" : " EW") << '\n';
    });
}
