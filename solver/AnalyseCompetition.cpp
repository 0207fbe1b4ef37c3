#include "solver/AnalyseCompetition.h"

#include "model/Score.h"
#include "solver/ParEtContrats.h"
#include "solver/ServicesSolveur.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace plio {

void RecalculeScoresContrats(board& donne)
{
    for (int declarant = 1; declarant <= 4; ++declarant)
        for (int strain = 1; strain <= 5; ++strain)
            CalculeScoresContrats(donne, declarant, strain);
}

void AnalyseUneDonne(SolveurDoubleMort& solveur, board& donne)
{
    AnalyseDoubleMort(solveur, donne);
    RecalculeScoresContrats(donne);
    MeilleursContratsEtPar(donne);
}

IssueAnalyse AnalyseCompetition(Competition& competition, const OptionsAnalyse& options)
{
    const std::string& etat = competition.EtatFichier;
    const int nombre = static_cast<int>(competition.Donnes.size()) - 1;
    if (etat == "DA" || etat == "DFA") {
        for (int d = 1; d <= nombre; ++d)
            RecalculeScoresContrats(competition.Donnes[d]);
        return IssueAnalyse::Terminee;
    }
    if (etat != "D" && etat != "DF") return IssueAnalyse::RienAFaire;

    // Each worker takes the next strain of a deal not yet taken, so that a heavy deal is shared
    // out too. A strain's results go to a scratch copy of its deal; the worker that ends the
    // deal's fifth strain moves them in and finishes the deal, so a deal is written whole or not
    // at all, by one worker, and its results do not depend on which.
    std::vector<board> brouillons(static_cast<std::size_t>(nombre) + 1);
    std::vector<std::atomic<int>> strainsRestantes(static_cast<std::size_t>(nombre) + 1);
    for (int d = 1; d <= nombre; ++d) {
        brouillons[d].Couleurs = competition.Donnes[d].Couleurs;
        strainsRestantes[d] = 5;
    }
    std::atomic<int> prochaine { 0 };
    std::atomic<bool> arret { false };
    std::mutex verrou;
    std::condition_variable signal;
    int faites = 0;
    auto travail = [&] {
        auto solveur = std::make_unique<SolveurDoubleMort>();
        for (;;) {
            if (arret || (options.Annulation && *options.Annulation)) break;
            const int tache = prochaine++;
            const int d = tache / 5 + 1;
            if (d > nombre) break;
            AnalyseDoubleMortCouleur(*solveur, brouillons[d], tache % 5 + 1);
            if (--strainsRestantes[d] > 0) continue;
            board& donne = competition.Donnes[d];
            for (int siege = 1; siege <= 4; ++siege)
                for (int strain = 1; strain <= 5; ++strain) {
                    donne.Plis[siege][strain] = brouillons[d].Plis[siege][strain];
                    donne.EntamesCorrectes[siege][strain]
                        = brouillons[d].EntamesCorrectes[siege][strain];
                }
            RecalculeScoresContrats(donne);
            MeilleursContratsEtPar(donne);
            {
                std::lock_guard<std::mutex> garde(verrou);
                ++faites;
            }
            signal.notify_one();
        }
    };
    const int taches = std::max(1, std::min(options.Taches, std::max(5 * nombre, 1)));
    std::vector<std::thread> ouvriers;
    for (int i = 0; i < taches; ++i)
        ouvriers.emplace_back(travail);
    {
        // Progress is reported from the calling thread only.
        std::unique_lock<std::mutex> garde(verrou);
        int annonces = 0;
        while (annonces < nombre) {
            signal.wait_for(garde, std::chrono::milliseconds(100));
            const bool annule = options.Annulation && *options.Annulation;
            while (annonces < faites) {
                ++annonces;
                if (options.Progression) {
                    garde.unlock();
                    options.Progression(annonces, nombre);
                    garde.lock();
                }
            }
            if (annule) {
                arret = true;
                break;
            }
        }
    }
    for (auto& t : ouvriers)
        t.join();
    const bool annulee = options.Annulation && *options.Annulation && faites < nombre;
    return annulee ? IssueAnalyse::Annulee : IssueAnalyse::Terminee;
}

} // namespace plio
