// Times of reading, writing and opening (read, rewrite, read again, backup) a large competition
// file: 36 boards played at 40 tables, every deal analysed.
// Usage: bench_fichiers [ROUNDS]
#include "Fabrique.h"
#include "model/Dialogues.h"
#include "pbn/ChargeFichierPBN.h"
#include "pbn/EcritureDialecte.h"
#include "pbn/LectureFichier.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

using namespace plio;

template <typename F> double Millisecondes(int tours, F&& f)
{
    const auto debut = std::chrono::steady_clock::now();
    for (int k = 0; k < tours; ++k)
        f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
               .count()
        / tours;
}

} // namespace

int main(int argc, char** argv)
{
    const int tours = argc > 1 ? std::stoi(argv[1]) : 20;
    const test::DossierTemporaire dossier;
    const auto chemin = dossier / "grand.pbn";
    Competition c = test::CompetitionDeTest("TPP", 40, 36);
    // Every deal analysed, as the file of a finished tournament is.
    for (board& d : c.Donnes)
        for (auto& siege : d.Plis)
            siege.fill(7);
    DialoguesScriptes dialogues;
    EcritFichierPBN(c, chemin, dialogues, "french");
    std::cout << "file: " << std::filesystem::file_size(chemin) << " bytes, 36 boards, 40 tables\n";
    std::cout << "write:  " << Millisecondes(tours, [&] {
        EcritFichierPBN(c, chemin, dialogues, "french");
    }) << " ms\n";
    std::cout << "read:   " << Millisecondes(tours, [&] { LitFichierPBN(chemin, "french"); })
              << " ms\n";
    std::cout << "open:   " << Millisecondes(tours, [&] {
        Competition ouverte;
        ChargeFichierPBN(ouverte, chemin, dialogues, "french");
    }) << " ms\n";
    return 0;
}
