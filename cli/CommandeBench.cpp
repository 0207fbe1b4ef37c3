// plioscope-cli bench: solves built-in deals single-threaded and prints, last, the total number
// of search nodes. The count changes exactly when the search's behaviour changes.
#include "cli/CommandeBench.h"

#include "solver/ServicesSolveur.h"

#include <chrono>
#include <iomanip>
#include <iostream>
#include <memory>

namespace {

// The most tricks of every leader in every strain of these deals.
constexpr const char* Donnes[] = {
    "N:K842.AK7.K87.JT2 T6.QJT9865.T.A65 AQJ973.32.94.K74 5.4.AQJ6532.Q983",
};

int Bench()
{
    auto solveur = std::make_unique<plio::SolveurDoubleMort>();
    const auto debut = std::chrono::steady_clock::now();
    for (const char* texte : Donnes) {
        const auto mains = plio::LitMains(texte);
        if (!mains) return 1;
        const auto avant = solveur->NombreNoeuds();
        const auto t0 = std::chrono::steady_clock::now();
        for (int strain = 1; strain <= 5; ++strain)
            for (int entameur = 1; entameur <= 4; ++entameur) {
                plio::ParametresSolveur p;
                p.Mains = *mains;
                p.Atout = static_cast<std::uint8_t>(strain % 5);
                p.Entameur = static_cast<std::uint8_t>(entameur);
                plio::PlisMaximum(*solveur, p);
            }
        const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - t0;
        std::cout << texte << ": " << solveur->NombreNoeuds() - avant << " nodes, " << std::fixed
                  << std::setprecision(2) << duree.count() << " s\n";
    }
    const std::chrono::duration<double> total = std::chrono::steady_clock::now() - debut;
    std::cout << "Time: " << std::fixed << std::setprecision(2) << total.count() << " s\n";
    std::cout << "Nodes: " << solveur->NombreNoeuds() << "\n";
    return 0;
}

} // namespace

void EnregistreCommandeBench(CLI::App& app)
{
    CLI::App* commande = app.add_subcommand("bench",
        "Solve built-in deals single-threaded; the last line is the total number of search nodes, "
        "the signature of the search's behaviour.");
    commande->callback([] {
        const int code = Bench();
        if (code != 0) throw CLI::RuntimeError(code);
    });
}
