// analyse_jobs [BOARDS]: the analyse command's work (open the file, solve every deal, write the
// file) on a competition of random deals, first on one worker thread, then on two. Prints both
// wall times and last "two jobs / one job X.XX"; the two files written must be identical.
#include "Fabrique.h"
#include "model/Dialogues.h"
#include "pbn/ChargeFichierPBN.h"
#include "pbn/EcritureDialecte.h"
#include "solver/AnalyseCompetition.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace plio;

std::string Contenu(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return { std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>() };
}

// Seconds of wall time to open, analyse and write the file.
double Analyse(const std::filesystem::path& chemin, int taches)
{
    const auto debut = std::chrono::steady_clock::now();
    Competition c;
    DialoguesScriptes dialogues;
    ChargeFichierPBN(c, chemin, dialogues, "anglais");
    OptionsAnalyse options;
    options.Taches = taches;
    AnalyseCompetition(c, options);
    EcritFichierPBN(c, chemin, dialogues, "anglais");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int donnes = argc > 1 ? std::atoi(argv[1]) : 32;
    if (donnes < 1) {
        std::fprintf(stderr, "usage: analyse_jobs [BOARDS]\n");
        return 2;
    }
    const test::DossierTemporaire dossier;
    Competition c = test::CompetitionDeTest("TPP", 4, donnes);
    DialoguesScriptes dialogues;
    const auto un = dossier / "une_tache.pbn";
    const auto deux = dossier / "deux_taches.pbn";
    EcritFichierPBN(c, un, dialogues, "anglais");
    EcritFichierPBN(c, deux, dialogues, "anglais");
    std::printf("%d boards\n", donnes);
    const double seul = Analyse(un, 1);
    std::printf("one job:  %.2f s\n", seul);
    const double paire = Analyse(deux, 2);
    std::printf("two jobs: %.2f s\n", paire);
    const bool identiques = Contenu(un) == Contenu(deux);
    std::printf("files %s\n", identiques ? "identical" : "DIFFERENT");
    std::printf("two jobs / one job %.2f\n", paire / seul);
    return identiques ? 0 : 1;
}
