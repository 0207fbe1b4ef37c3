// Interface texts of both languages: messages, captions, contract names, and the small notation
// functions that translate between the French and English bridge notations.
#pragma once

#include "model/VariablesGlobales.h"

#include <array>
#include <string>
#include <string_view>

namespace plio {

struct MessageBilingue {
    const char* francais = "";
    const char* anglais = "";
};

// Built-in message texts, entries 0..79 (entries no window shows are empty).
const std::array<MessageBilingue, 80>& TableMessages();

// Message table of the current language: French when Langue is "french", English otherwise.
inline std::array<std::string, 80> Messages;

// Fills Messages for a language. Captions (Legendes.h) and contract names are read straight from
// their tables of both languages with the current Langue, so only the messages need filling.
void ChargeTextes(std::string_view langue = Langue);

// Text of message n in a language (French for "french", English for any other value).
std::string Message(int n, std::string_view langue = Langue);

// Contract names shown in the interface, by contract code 1..35 (entry 0 empty): "1T" .. "7SA"
// when langue is "french", "1C" .. "7NT" otherwise; doublement 1 and 2 give the doubled ("X") and
// redoubled ("XX") names. Built once per language, so they are there before any ChargeTextes.
const std::array<std::string, 36>& NomsContrats(int doublement, std::string_view langue = Langue);

// Contract names of the competition files, always English: "1C" .. "7NT", then doubled and
// redoubled as above. A sheet's contract is valid in a file when it is one of these 105 names.
const std::array<std::string, 36>& NomsContratsFichier(int doublement);

} // namespace plio
