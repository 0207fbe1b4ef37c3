// solver_vs_reference [DEALS] [SEED]: on the same random deals, times this solver's analysis of a
// deal (the twenty solves giving tricks and correct leads) against the reference solver of
// Debian's libdds-dev doing the same work (for each leader and strain, the value of every card of
// the leader), both single-threaded. Prints the per-deal mean and median of both, the peak memory
// of this solver, and last "ratio X.XX" (ours / reference).
#include "ReferenceDDS.h"
#include "model/DonneAleatoire.h"
#include "solver/ServicesSolveur.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

double Secondes(Horloge::time_point debut)
{
    return std::chrono::duration<double>(Horloge::now() - debut).count();
}

double Mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Moyenne(const std::vector<double>& v)
{
    double somme = 0;
    for (double x : v)
        somme += x;
    return somme / static_cast<double>(v.size());
}

} // namespace

int main(int argc, char** argv)
{
    const int nombre = argc > 1 ? std::atoi(argv[1]) : 10;
    const unsigned graine
        = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20261211u;
    if (nombre < 1) {
        std::fprintf(stderr, "usage: solver_vs_reference [DEALS] [SEED]\n");
        return 2;
    }
    SetMaxThreads(1);
    std::mt19937 g(graine);
    auto solveur = std::make_unique<plio::SolveurDoubleMort>();
    std::vector<double> nous;
    std::vector<double> reference;
    std::size_t memoireMax = 0;
    std::printf("%d random deals, seed %u\n", nombre, graine);
    for (int k = 1; k <= nombre; ++k) {
        plio::board donne;
        donne.Couleurs = plio::DistribueAuHasard(g);
        auto debut = Horloge::now();
        plio::AnalyseDoubleMort(*solveur, donne);
        nous.push_back(Secondes(debut));
        memoireMax = std::max(memoireMax, solveur->MemoireOctets());

        debut = Horloge::now();
        for (int strain = 1; strain <= 5; ++strain)
            for (int entameur = 1; entameur <= 4; ++entameur) {
                plio::ParametresSolveur p;
                p.Mains = donne.Couleurs;
                p.Atout = static_cast<std::uint8_t>(strain % 5);
                p.Entameur = static_cast<std::uint8_t>(entameur);
                plio::test::ValeursDDS(p);
            }
        reference.push_back(Secondes(debut));
        std::printf("deal %d: ours %.3f s, reference %.3f s\n", k, nous.back(), reference.back());
        std::fflush(stdout);
    }
    std::printf("ours:      mean %.3f s, median %.3f s per deal\n", Moyenne(nous), Mediane(nous));
    std::printf(
        "reference: mean %.3f s, median %.3f s per deal\n", Moyenne(reference), Mediane(reference));
    std::printf("peak memory of one solver: %.1f MB\n",
        static_cast<double>(memoireMax) / (1024.0 * 1024.0));
    std::printf("ratio %.2f\n", Moyenne(nous) / Moyenne(reference));
    return 0;
}
