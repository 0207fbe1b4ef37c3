// The ranking window's table: rank, pair, averages, quality figures and ideal score.
#include "cli/CommandeRank.h"

#include "cli/CompetitionAnalysee.h"
#include "cli/TableauTexte.h"
#include "tournament/GrilleClassement.h"
#include "tournament/LegendesTournoi.h"

#include <iostream>

void EnregistreCommandeRank(CLI::App& app)
{
    auto options = std::make_shared<OptionsTableaux>();
    CLI::App* commande = app.add_subcommand("rank", "Print the ranking of an analysed competition");
    AjouteOptionsTableaux(*commande, *options);
    commande->callback([options] {
        const std::string langue = LangueDeLaCommande(*options);
        const plio::Competition competition = ChargeCompetitionAnalysee(*options, langue);
        std::vector<plio::Tclassemt> lignes;
        plio::FaitClassement(competition, lignes);
        plio::TrieClassement(lignes, competition.Tournoi);
        const plio::Grille grille = plio::GrilleClassement(
            competition.Tournoi, lignes, plio::FaitQualiteDuJeu(competition, langue), langue);
        const std::string titre = plio::LegendesClassement::Titre.Texte(langue);
        if (options->json) {
            nlohmann::json json = GrilleJson(grille);
            json["title"] = titre;
            json["competition"] = competition.Tournoi.NomCompetition;
            std::cout << json.dump(2) << '\n';
            return;
        }
        std::cout << titre << " - " << competition.Tournoi.NomCompetition << "\n\n";
        ImprimeGrille(std::cout, grille);
    });
}
