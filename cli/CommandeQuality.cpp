// The quality window's six tables, pairs from best to worst, with one pair's rows marked.
#include "cli/CommandeQuality.h"

#include "cli/CompetitionAnalysee.h"
#include "cli/TableauTexte.h"
#include "model/Textes.h"
#include "tournament/Classement.h"
#include "tournament/GrillesQualite.h"

#include <iostream>

namespace {

struct OptionsQualite : OptionsTableaux {
    int paire = 0;
};

} // namespace

void EnregistreCommandeQuality(CLI::App& app)
{
    auto options = std::make_shared<OptionsQualite>();
    CLI::App* commande = app.add_subcommand(
        "quality", "Print the quality-of-play tables of an analysed competition");
    AjouteOptionsTableaux(*commande, *options);
    commande->add_option("--pair", options->paire, "Pair (or team) whose rows are marked");
    commande->callback([options] {
        const std::string langue = LangueDeLaCommande(*options);
        const plio::Competition competition = ChargeCompetitionAnalysee(*options, langue);
        if (options->paire != 0 && plio::IndexDePaire(competition.Tournoi, options->paire) == 0) {
            std::cerr << plio::Message(6, langue) << '\n';
            throw CLI::RuntimeError(2);
        }
        const auto grilles = plio::GrillesQualite(
            competition.Tournoi, plio::FaitQualiteDuJeu(competition, langue), langue);
        if (options->json) {
            nlohmann::json json { { "grids", nlohmann::json::array() } };
            if (options->paire != 0) json["pair"] = options->paire;
            for (const auto& g : grilles) {
                nlohmann::json grille = GrilleJson(g.Cellules);
                grille["title"] = g.Titre;
                grille["pairs"]
                    = std::vector<int>(g.PaireDeRangee.begin() + 1, g.PaireDeRangee.end());
                json["grids"].push_back(std::move(grille));
            }
            std::cout << json.dump(2) << '\n';
            return;
        }
        for (const auto& g : grilles) {
            std::vector<bool> marquees;
            for (int paire : g.PaireDeRangee)
                marquees.push_back(options->paire != 0 && paire == options->paire);
            std::cout << g.Titre << "\n\n";
            ImprimeGrille(std::cout, g.Cellules, marquees);
            std::cout << '\n';
        }
    });
}
