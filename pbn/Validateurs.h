// Validity rules of the result-sheet fields, shared by the file reader, the writer's file state
// and result-sheet entry. Every rule is a pure test on the text as typed or read.
#pragma once

#include <string_view>

namespace plio {

// The text is a decimal integer n with low < n < high.
bool EntreBornes(std::string_view texte, int bas, int haut);

// One of the 35 English contract names "1C" .. "7NT", alone or followed by "X" or "XX".
bool ContratValide(std::string_view texte);

// "S", "O", "W", "N" or "E".
bool DeclarantValide(std::string_view texte);

// "=" (or any text starting with it), or an integer n with -14 < n < 8 ("+2" accepted).
bool ResultatValide(std::string_view texte);

// Exactly two characters, the second a suit letter of either notation.
bool EntameValide(std::string_view texte);

// A passed-out ("PA") or adjusted ("A") line: no declarer, result or lead, only "-".
bool FeuilleSansJeu(std::string_view contrat, std::string_view declarant, std::string_view resultat,
    std::string_view entame);

} // namespace plio
