// Display form of a stored player name ("F$" woman, "H$" man): a title, a space and the name,
// always 16 characters.
#pragma once

#include "model/VariablesGlobales.h"

#include <string>
#include <string_view>

namespace plio {

std::string NomAffiche(std::string_view nomStocke, std::string_view langue = Langue);

// Pair number, then the two players' display names, with the given separators.
std::string EtiquettePaire(const Tpaires& paire, std::string_view apresNumero,
    std::string_view entreJoueurs, std::string_view langue = Langue);

} // namespace plio
