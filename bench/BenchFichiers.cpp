// Times of reading, writing and opening (read, rewrite, read again, backup) a large competition
// file: 36 boards played at 40 tables, every deal analysed.
// Usage: bench_fichiers [ROUNDS]
#include "model/Dialogues.h"
#include "model/DonneAleatoire.h"
#include "pbn/ChargeFichierPBN.h"
#include "pbn/EcritureDialecte.h"
#include "pbn/LectureFichier.h"
#include "pbn/LigneDonne.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

namespace {

using namespace plio;

Competition GrandeCompetition(int tables, int nombreDonnes)
{
    Competition c;
    Ttournoi& t = c.Tournoi;
    t.TypeCompetition = "TPP";
    t.NomCompetition = "Grand tournoi";
    t.NombreTables = tables;
    t.NombreDonnes = nombreDonnes;
    DimensionnePaires(t, tables);
    for (int p = 1; p <= 2 * tables; ++p) {
        t.Paires[static_cast<std::size_t>(p)].Numero = p;
        t.Paires[static_cast<std::size_t>(p)].Joueur1 = "H$Joueur " + std::to_string(p);
        t.Paires[static_cast<std::size_t>(p)].Joueur2 = "F$Joueuse " + std::to_string(p);
    }
    c.Donnes.assign(static_cast<std::size_t>(nombreDonnes) + 1, board {});
    std::mt19937 generateur(42);
    for (int b = 1; b <= nombreDonnes; ++b) {
        board& d = c.Donnes[static_cast<std::size_t>(b)];
        d.Indice = d.NumeroEtui = b;
        d.Donneur = "N";
        d.Vulnerabilite = "None";
        d.LigneDonne = LigneDonneDeCouleurs(Nord, DistribueAuHasard(generateur));
        for (auto& siege : d.Plis)
            siege.fill(7);
        d.NombreFeuilles = tables;
        d.Feuilles.assign(static_cast<std::size_t>(tables) + 1, ResultsSheet {});
        for (int i = 1; i <= tables; ++i)
            d.Feuilles[static_cast<std::size_t>(i)]
                = { 0, i, tables + i, "", "", "4S", "N", "KH", "+1", 450, 0, "50,00", "50,00" };
    }
    return c;
}

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
    const auto dossier = std::filesystem::temp_directory_path() / "plioscope_bench_fichiers";
    std::filesystem::create_directories(dossier);
    const auto chemin = dossier / "grand.pbn";
    Competition c = GrandeCompetition(40, 36);
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
    std::filesystem::remove_all(dossier);
    return 0;
}
