// Bytes and lines of files on disk, and writing that never leaves a half-written file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plio {

std::optional<std::string> LitOctets(const std::filesystem::path& chemin);

// Lines ended by CR LF or a lone LF; the line end is not part of the line. Text after the last
// line end is a last line.
std::vector<std::string> DecoupeLignes(std::string_view texte);

// Writes the bytes into a temporary file of the same folder, then renames it over the target:
// the target is either the old file or the new one, never a mix. False when anything failed,
// and the target is then as it was.
bool EcritAtomiquement(const std::filesystem::path& chemin, std::string_view octets);

// The companion file of a competition file: Club.pbn with suffix "_Bis" gives Club_Bis.pbn in
// the same folder.
std::filesystem::path FichierCompagnon(
    const std::filesystem::path& chemin, std::string_view suffixe);

} // namespace plio
