// The one-line language file that remembers the interface language between runs.
#pragma once

#include "model/VariablesGlobales.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace plio {

// First line of the language file, at most 255 characters, without its line end. A missing or
// unreadable file gives an empty language, which shows the English texts.
std::string LitFichierLangue(const std::filesystem::path& fichier);

// Writes the language as the file's single line; false when the file could not be written.
bool EcritFichierLangue(const std::filesystem::path& fichier, std::string_view langue);

// Switches the interface to another language: sets langue, refills the messages and rewrites the
// language file. Switching to the language already in use changes nothing and leaves the file
// untouched. True when the file was written.
bool ChangeLangue(
    const std::filesystem::path& fichier, std::string_view nouvelle, std::string& langue = Langue);

} // namespace plio
