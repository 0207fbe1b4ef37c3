// Reading a competition file into a new model, without writing anything.
#pragma once

#include "model/VariablesGlobales.h"
#include "pbn/ResultatFichier.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace plio {

struct LectureFichier {
    ResultatFichier resultat;
    Competition competition; // the model read; meaningful only when the read succeeded
    DiagnosticLecture diagnostic;
    std::string octets; // the file's bytes as they were on disk
};

// Reads a file of the dialect, or an ordinary PBN file of another program, into a fresh model:
// NomFichier is the path, EtatFichier the state of the file, the sheet texts in the notation of
// the language. A text that is not UTF-8 is read as Windows-1252. A corrupted file gives
// message 28 and the line where reading stopped.
LectureFichier LitFichierPBN(const std::filesystem::path& chemin, std::string_view langue = Langue);

} // namespace plio
