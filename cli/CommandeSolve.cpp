// plioscope-cli solve DEAL: tricks of every declarer in every strain, best contracts and par of
// a deal given as a PBN deal text, and with --leads the correct opening leads.
#include "cli/CommandeSolve.h"

#include "cli/ResumeDonne.h"
#include "solver/AnalyseCompetition.h"
#include "solver/ServicesSolveur.h"

#include <iostream>
#include <memory>

namespace {

struct ArgumentsSolve {
    std::string donne;
    bool entames = false;
    bool enJson = false;
};

int Solve(const ArgumentsSolve& a)
{
    const auto mains = plio::LitMains(a.donne);
    if (!mains) {
        std::cerr << "invalid deal \"" << a.donne
                  << "\": expected a seat letter, a colon and four hands of 13 different cards, "
                     "e.g. N:AKQ2.J43.T98.765 ...\n";
        return 2;
    }
    plio::board donne;
    donne.Couleurs = *mains;
    auto solveur = std::make_unique<plio::SolveurDoubleMort>();
    plio::AnalyseUneDonne(*solveur, donne);
    if (a.enJson) {
        std::cout << AnalyseEnJson(donne, a.entames).dump() << "\n";
        return 0;
    }
    AfficheTablePlis(std::cout, donne);
    AfficheContratsEtPar(std::cout, donne);
    if (a.entames) AfficheEntames(std::cout, donne);
    return 0;
}

} // namespace

void EnregistreCommandeSolve(CLI::App& app)
{
    auto a = std::make_shared<ArgumentsSolve>();
    CLI::App* commande = app.add_subcommand("solve",
        "Double-dummy analysis of a deal: tricks table, best contracts, par (none vulnerable). "
        "Exit 0 when solved, 2 when the deal is invalid.");
    commande->add_option("DEAL", a->donne, "PBN deal text, e.g. \"N:AKQ2.J43.T98.765 ...\"")
        ->required();
    commande->add_flag("--leads", a->entames, "Also list the correct opening leads");
    commande->add_flag("--json", a->enJson, "Print the analysis as JSON");
    commande->callback([a] {
        const int code = Solve(*a);
        if (code != 0) throw CLI::RuntimeError(code);
    });
}
