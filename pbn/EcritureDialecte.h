// Writing a competition in the program's PBN dialect.
#pragma once

#include "model/Dialogues.h"
#include "model/VariablesGlobales.h"
#include "pbn/ResultatFichier.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace plio {

// The bytes of the file for a competition whose sheet texts are in the interface language:
// CR LF line ends, names in UTF-8, sheet texts in English notation.
std::string TexteFichierPBN(const Competition& competition, std::string_view langue = Langue);

// Writes the file (replacing it only once the new one is whole) and sets EtatFichier. When it
// cannot be written, message 28 is shown, the old file stays as it was and the model is unchanged.
ResultatFichier EcritFichierPBN(Competition& competition, const std::filesystem::path& chemin,
    Dialogues& dialogues, std::string_view langue = Langue);

// The program's form: the current competition into Tournoi.NomFichier.
void EcritFichierPBN();

} // namespace plio
