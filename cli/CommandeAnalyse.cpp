// plioscope-cli analyse FILE [--jobs N]: opens a competition file as the program does, solves the
// deals not yet analysed (or only recomputes the contract scores when the analysis is in the
// file), writes the file, and prints each deal's tricks table and par.
#include "cli/CommandeAnalyse.h"

#include "cli/ResumeDonne.h"
#include "model/Dialogues.h"
#include "pbn/ChargeFichierPBN.h"
#include "pbn/EcritureDialecte.h"
#include "solver/AnalyseCompetition.h"

#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

struct ArgumentsAnalyse {
    std::string fichier;
    int taches = 1;
};

// A bar redrawn in place: only when stderr is a terminal.
void AfficheProgression(int faites, int total)
{
    constexpr int Largeur = 40;
    const int plein = total ? Largeur * faites / total : Largeur;
    std::cerr << "\r[" << std::string(plein, '#') << std::string(Largeur - plein, ' ') << "] "
              << faites << "/" << total << (faites == total ? "\n" : "") << std::flush;
}

int Analyse(const ArgumentsAnalyse& a)
{
    plio::Competition competition;
    plio::DialoguesScriptes dialogues;
    const auto ouverture = plio::ChargeFichierPBN(competition, a.fichier, dialogues, "anglais");
    if (ouverture.resultat.issue == plio::IssueFichier::Corrompue) {
        std::cerr << ouverture.resultat.message << " (line " << ouverture.resultat.ligne << ")\n";
        return 2;
    }
    if (!ouverture.resultat.reussi()) {
        std::cerr << "Cannot read " << a.fichier << "\n";
        return 1;
    }
    if (competition.EtatFichier == "I") {
        std::cerr << "The file has incomplete deals: nothing analysed.\n";
        return 3;
    }
    const bool resolu = competition.EtatFichier == "D" || competition.EtatFichier == "DF";
    plio::OptionsAnalyse options;
    options.Taches = a.taches;
    if (resolu && ::isatty(STDERR_FILENO)) options.Progression = AfficheProgression;
    plio::AnalyseCompetition(competition, options);
    const auto ecriture = plio::EcritFichierPBN(competition, a.fichier, dialogues, "anglais");
    if (!ecriture.reussi()) {
        std::cerr << "Cannot write " << a.fichier << "\n";
        return 1;
    }
    for (int d = 1; d < static_cast<int>(competition.Donnes.size()); ++d) {
        const plio::board& donne = competition.Donnes[static_cast<std::size_t>(d)];
        std::cout << "Deal " << d << " (board " << donne.NumeroEtui << ")\n";
        AfficheTablePlis(std::cout, donne);
        AfficheContratsEtPar(std::cout, donne);
    }
    return 0;
}

} // namespace

void EnregistreCommandeAnalyse(CLI::App& app)
{
    auto a = std::make_shared<ArgumentsAnalyse>();
    CLI::App* commande = app.add_subcommand("analyse",
        "Analyse a competition file: solve its deals when not yet analysed, recompute the contract "
        "scores, write the file, print each deal's tricks and par. Exit 0 when done, 1 when the "
        "file cannot be read or written, 2 when it is corrupted, 3 when a deal is incomplete.");
    commande->add_option("FILE", a->fichier, "Competition file")->required();
    commande->add_option("--jobs", a->taches, "Worker threads, one solver each (default 1)")
        ->check(CLI::Range(1, 64));
    commande->callback([a] {
        const int code = Analyse(*a);
        if (code != 0) throw CLI::RuntimeError(code);
    });
}
