#include "cli/CompetitionAnalysee.h"

#include "model/FichierLangue.h"
#include "model/Textes.h"
#include "pbn/LectureFichier.h"
#include "solver/AnalyseCompetition.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

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

void AjouteOptionsTableaux(CLI::App& commande, OptionsTableaux& options)
{
    commande
        .add_option("FILE", options.fichier, "Competition file (PBN); it is read, never modified")
        ->required()
        ->check(CLI::ExistingFile);
    commande.add_option("--lang", options.langue, "Interface language of the texts: fr or en")
        ->check(CLI::IsMember({ "fr", "en" }));
    commande.add_flag("--json", options.json, "Print JSON instead of text tables");
}

std::string LangueDeLaCommande(const OptionsTableaux& options)
{
    if (options.langue == "fr") return "french";
    if (options.langue == "en") return "anglais";
    const std::string langue = LangueDuFichier();
    return langue.empty() ? "french" : langue;
}

plio::Competition ChargeCompetitionAnalysee(
    const OptionsTableaux& options, const std::string& langue)
{
    plio::LectureFichier lecture = plio::LitFichierPBN(options.fichier, langue);
    if (!lecture.resultat.reussi()) Refuse(lecture.resultat.message);
    plio::Competition& competition = lecture.competition;
    const std::string& etat = competition.EtatFichier;
    if (etat == "I") Refuse(plio::Message(40, langue));
    if (etat == "D" || etat == "DA") Refuse(plio::Message(42, langue));
    // As when the program opens the file for analysis: a file without analysis has its deals
    // solved, an analysed one its contract scores recomputed from the stored tricks; in memory
    // only, the file stays as it is.
    plio::OptionsAnalyse analyse;
    analyse.Taches = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (plio::AnalyseCompetition(competition, analyse) != plio::IssueAnalyse::Terminee)
        Refuse(plio::Message(43, langue));
    competition.EtatFichier = "DFA";
    return std::move(competition);
}
