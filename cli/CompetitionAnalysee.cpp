#include "cli/CompetitionAnalysee.h"

#include "model/FichierLangue.h"
#include "model/Score.h"
#include "model/Textes.h"
#include "pbn/LectureFichier.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

// Exit code of a file the command cannot report on.
constexpr int FichierRefuse = 2;

[[noreturn]] void Refuse(const std::string& message)
{
    std::cerr << message << '\n';
    throw CLI::RuntimeError(FichierRefuse);
}

// The program keeps its language in <application data>/Plioscope/Texte/langue.txt.
std::string LangueDuFichier()
{
    const char* donnees = std::getenv("APPDATA");
    if (!donnees) donnees = std::getenv("appdata");
    if (!donnees) return {};
    return plio::LitFichierLangue(
        std::filesystem::path(donnees) / "Plioscope" / "Texte" / "langue.txt");
}

} // namespace

void AjouteOptionsAnalyse(CLI::App& commande, OptionsAnalyse& options)
{
    commande
        .add_option("FILE", options.fichier, "Competition file (PBN); it is read, never modified")
        ->required()
        ->check(CLI::ExistingFile);
    commande.add_option("--lang", options.langue, "Interface language of the texts: fr or en")
        ->check(CLI::IsMember({ "fr", "en" }));
    commande.add_flag("--json", options.json, "Print JSON instead of text tables");
}

std::string LangueDeLaCommande(const OptionsAnalyse& options)
{
    if (options.langue == "fr") return "french";
    if (options.langue == "en") return "anglais";
    const std::string langue = LangueDuFichier();
    return langue.empty() ? "french" : langue;
}

plio::Competition ChargeCompetitionAnalysee(
    const OptionsAnalyse& options, const std::string& langue)
{
    plio::LectureFichier lecture = plio::LitFichierPBN(options.fichier, langue);
    if (!lecture.resultat.reussi()) Refuse(lecture.resultat.message);
    plio::Competition& competition = lecture.competition;
    const std::string& etat = competition.EtatFichier;
    if (etat == "I") Refuse(plio::Message(40, langue));
    if (etat == "D" || etat == "DA") Refuse(plio::Message(42, langue));
    // The program would analyse the deals now; this tool cannot solve them yet, so it says so
    // after the program's message rather than report on a file without analysis.
    if (etat != "DFA")
        Refuse(plio::Message(43, langue) + "\n"
            + "plioscope-cli: the deals of this file are not analysed; open it for analysis in the "
              "program first");
    // As when the program opens an analysed file: contract scores come from the stored tricks.
    for (int k = 1; k <= competition.Tournoi.NombreDonnes; ++k)
        for (int declarant = 1; declarant <= 4; ++declarant)
            for (int strain = 1; strain <= 5; ++strain)
                plio::CalculeScoresContrats(
                    competition.Donnes[static_cast<std::size_t>(k)], declarant, strain);
    return std::move(competition);
}
