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

    // Each worker takes the next deal not yet taken; every deal is written by one worker only,
    // and its results do not depend on which one.
    std::atomic<int> prochaine { 1 };
    std::atomic<bool> arret { false };
    std::mutex verrou;
    std::condition_variable signal;
    int faites = 0;
    auto travail = [&] {
        auto solveur = std::make_unique<SolveurDoubleMort>();
        for (;;) {
            if (arret || (options.Annulation && *options.Annulation)) break;
            const int d = prochaine++;
            if (d > nombre) break;
            AnalyseUneDonne(*solveur, competition.Donnes[d]);
            {
                std::lock_guard<std::mutex> garde(verrou);
                ++faites;
            }
            signal.notify_one();
        }
    };
    const int taches = std::max(1, std::min(options.Taches, std::max(nombre, 1)));
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
