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

// Fills Messages, the caption texts and the contract-name tables for a language.
void ChargeTextes(std::string_view langue = Langue);

// Text of message n in a language (French for "french", English for any other value).
std::string Message(int n, std::string_view langue = Langue);

} // namespace plio
