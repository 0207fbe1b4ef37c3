// plioscope-cli normalise FILE: what opening a file in the program does to it: rewrite in normal
// form (keeping NAME_Orig.pbn when that drops content), second read, NAME_Bis.pbn backup.
#include "cli/CommandeNormalise.h"
#include "model/Dialogues.h"
#include "pbn/ChargeFichierPBN.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace {

int Normalise(const std::string& fichier)
{
    plio::Competition competition;
    plio::DialoguesScriptes dialogues;
    const plio::OuvertureFichier ouverture
        = plio::ChargeFichierPBN(competition, fichier, dialogues, "anglais");
    switch (ouverture.resultat.issue) {
    case plio::IssueFichier::Reussie:
        break;
    case plio::IssueFichier::Corrompue:
        std::cout << ouverture.resultat.message << "\nLine: " << ouverture.resultat.ligne << "\n";
        return 2;
    case plio::IssueFichier::Illisible:
        std::cerr << "Cannot read " << fichier << "\n";
        return 1;
    case plio::IssueFichier::NonEcrite:
        std::cerr << "Cannot write " << fichier << " or its copies; the file is unchanged\n";
        return 1;
    }
    std::cout << "File: " << fichier << "\nState: " << competition.EtatFichier
              << "\nBackup: " << ouverture.copieDeSecours.string() << "\n";
    if (!ouverture.copieDeLOriginal.empty())
        std::cout << "Original kept as: " << ouverture.copieDeLOriginal.string() << "\n";
    return 0;
}

} // namespace

void EnregistreCommandeNormalise(CLI::App& app)
{
    auto* commande = app.add_subcommand("normalise",
        "Open a competition file as the program does: rewrite it in normal form, read it again and "
        "write its _Bis.pbn backup. Exit 0 when done, 2 when the file is corrupted (nothing is "
        "changed), 1 when it cannot be read or written.");
    auto fichier = std::make_shared<std::string>();
    commande->add_option("FILE", *fichier, "Competition file")->required();
    commande->callback([fichier] {
        const int code = Normalise(*fichier);
        if (code != 0) throw CLI::RuntimeError(code);
    });
}
