// Result-sheet texts between the file's English notation and the French interface notation.
#pragma once

#include "model/VariablesGlobales.h"

#include <string_view>

namespace plio {

// Target "anglais" converts every sheet from French to English notation, any other target from
// English to French. Nothing changes when the interface language is English: the texts in
// memory are then already in the file's notation.
void ConvertitNotation(
    Competition& competition, std::string_view cible, std::string_view langue = Langue);

// The program's form: the sheets of the current competition, in the current language.
void ConvertitNotation(std::string_view cible);

} // namespace plio
