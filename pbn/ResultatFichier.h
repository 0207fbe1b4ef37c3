// What reading or writing a competition file gives back besides the model.
#pragma once

#include "pbn/FeuilleValide.h"

#include <string>
#include <vector>

namespace plio {

enum class IssueFichier {
    Reussie,
    Illisible, // the file cannot be opened or read
    Corrompue, // the file does not follow the layout of a competition file
    NonEcrite, // the file (or one of its companions) cannot be written
};

struct ResultatFichier {
    IssueFichier issue = IssueFichier::Reussie;
    int ligne = 0; // corrupted file: line (from 1) where reading stopped
    std::string message; // the text shown to the user (message 28) when it failed

    bool reussi() const { return issue == IssueFichier::Reussie; }
};

// Where a sheet came from in the file, and the first field of its line that was refused.
struct OrigineFeuille {
    int ligne = 0; // 0: the sheet has no line in the file
    int champInvalide = 0; // 0: every field was accepted
    std::string texte; // the refused field's text
};

struct DiagnosticLecture {
    DrapeauxFichier drapeaux;
    bool pbnOrdinaire = false; // a hand-record file of another program, not the program's own
    std::vector<std::vector<OrigineFeuille>> feuilles; // [deal][sheet], both from 1
};

} // namespace plio
