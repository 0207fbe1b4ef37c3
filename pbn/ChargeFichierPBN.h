// Opening a competition file: read it, rewrite it in the program's normal form, read it again
// and keep a backup copy, without ever losing what the file held.
#pragma once

#include "model/Dialogues.h"
#include "model/VariablesGlobales.h"
#include "pbn/ResultatFichier.h"

#include <filesystem>
#include <string_view>

namespace plio {

struct OuvertureFichier {
    ResultatFichier resultat;
    DiagnosticLecture diagnostic; // of the first read: line numbers of the file as it was
    std::filesystem::path copieDeSecours; // NAME_Bis.pbn
    std::filesystem::path copieDeLOriginal; // NAME_Orig.pbn, when this opening wrote it
};

// Reads the file into a fresh model; on success rewrites the file from it (after keeping the
// file's exact bytes as NAME_Orig.pbn when the rewrite changes more than line ends and no such
// copy exists yet), reads it again, writes NAME_Bis.pbn, and only then replaces the caller's
// competition. On failure message 28 is shown, the caller's competition is untouched and the
// file is as it was.
OuvertureFichier ChargeFichierPBN(Competition& competition, const std::filesystem::path& chemin,
    Dialogues& dialogues, std::string_view langue = Langue);

// The program's form: opens Tournoi.NomFichier into the current competition.
void ChargeFichierPBN();

} // namespace plio
