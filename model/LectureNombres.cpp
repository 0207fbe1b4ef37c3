#include "model/LectureNombres.h"

#include <charconv>
#include <cmath>
#include <string>

namespace plio {

namespace {

std::string_view SansEspaces(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

// from_chars takes no leading plus sign; a sign alone or a doubled sign is no number.
std::string_view SansPlus(std::string_view texte) {
    if (texte.size() > 1 && texte[0] == '+' && texte[1] != '-' && texte[1] != '+')
        texte.remove_prefix(1);
    return texte;
}

} // namespace

std::optional<int> LitEntier(std::string_view texte) {
    texte = SansPlus(SansEspaces(texte));
    int valeur = 0;
    const char* fin = texte.data() + texte.size();
    const auto [lu, erreur] = std::from_chars(texte.data(), fin, valeur);
    if (texte.empty() || erreur != std::errc {} || lu != fin) return std::nullopt;
    return valeur;
}

std::optional<double> LitReel(std::string_view texte) {
    std::string chiffres(SansPlus(SansEspaces(texte)));
    for (char& c : chiffres)
        if (c == ',') c = '.';
    double valeur = 0;
    const char* fin = chiffres.data() + chiffres.size();
    const auto [lu, erreur]
        = std::from_chars(chiffres.data(), fin, valeur, std::chars_format::fixed);
    if (chiffres.empty() || erreur != std::errc {} || lu != fin || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

} // namespace plio
