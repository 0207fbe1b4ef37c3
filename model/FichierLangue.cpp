#include "model/FichierLangue.h"

#include "model/Textes.h"

#include <fstream>

namespace plio {

namespace {
constexpr std::size_t LongueurMaximaleLangue = 255;
}

std::string LitFichierLangue(const std::filesystem::path& fichier) {
    std::ifstream flux(fichier, std::ios::binary);
    std::string ligne;
    if (!flux || !std::getline(flux, ligne)) return {};
    // A file written on Windows ends its line with CR LF.
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (ligne.size() > LongueurMaximaleLangue) ligne.resize(LongueurMaximaleLangue);
    return ligne;
}

bool EcritFichierLangue(const std::filesystem::path& fichier, std::string_view langue) {
    std::ofstream flux(fichier, std::ios::binary | std::ios::trunc);
    flux << langue << '\n';
    flux.close();
    return static_cast<bool>(flux);
}

bool ChangeLangue(
    const std::filesystem::path& fichier, std::string_view nouvelle, std::string& langue) {
    if (langue == nouvelle) return false;
    langue = nouvelle;
    ChargeTextes(langue);
    return EcritFichierLangue(fichier, langue);
}

} // namespace plio
