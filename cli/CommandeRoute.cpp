// The route sheet window's two tables: the boards of the pair, then its summary.
#include "cli/CommandeRoute.h"

#include "cli/CompetitionAnalysee.h"
#include "cli/TableauTexte.h"
#include "model/Textes.h"
#include "tournament/FeuilleDeRoute.h"

#include <iostream>

namespace {

struct OptionsRoute : OptionsTableaux {
    int paire = 0;
};

} // namespace

void EnregistreCommandeRoute(CLI::App& app)
{
    auto options = std::make_shared<OptionsRoute>();
    CLI::App* commande = app.add_subcommand(
        "route", "Print the route sheet of one pair of an analysed competition");
    AjouteOptionsTableaux(*commande, *options);
    commande->add_option("PAIR", options->paire, "Pair (or team) number")->required();
    commande->callback([options] {
        const std::string langue = LangueDeLaCommande(*options);
        const plio::Competition competition = ChargeCompetitionAnalysee(*options, langue);
        if (plio::IndexDePaire(competition.Tournoi, options->paire) == 0) {
            std::cerr << plio::Message(6, langue) << '\n';
            throw CLI::RuntimeError(2);
        }
        std::vector<plio::Tclassemt> classement;
        plio::FaitClassement(competition, classement);
        const plio::FeuilleDeRoute feuille = plio::FaitFeuilleDeRoute(competition, options->paire,
            classement, plio::FaitQualiteDuJeu(competition, langue), langue);
        if (options->json) {
            nlohmann::json json { { "title", feuille.Titre }, { "pair", feuille.NumeroPaire },
                { "side", feuille.Camp }, { "boards", GrilleJson(feuille.Donnes) },
                { "summary", GrilleJson(feuille.Resume) } };
            std::vector<bool> par(feuille.DrapeauxPar.begin() + 1, feuille.DrapeauxPar.end());
            json["boards"]["par"] = par;
            std::cout << json.dump(2) << '\n';
            return;
        }
        // Rows whose contract is the par contract are marked, as the window colours them.
        std::vector<bool> par;
        for (int drapeau : feuille.DrapeauxPar)
            par.push_back(drapeau == 1);
        std::cout << feuille.Titre << "\n\n";
        ImprimeGrille(std::cout, feuille.Donnes, par);
        std::cout << '\n';
        ImprimeGrille(std::cout, feuille.Resume);
    });
}
