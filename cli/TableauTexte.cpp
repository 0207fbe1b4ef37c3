#include "cli/TableauTexte.h"

#include <algorithm>

namespace {

std::size_t Largeur(const std::string& texte)
{
    return static_cast<std::size_t>(std::count_if(texte.begin(), texte.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

void ImprimeGrille(
    std::ostream& sortie, const plio::Grille& grille, const std::vector<bool>& marquees)
{
    std::vector<std::size_t> largeurs;
    for (const auto& rangee : grille) {
        if (largeurs.size() < rangee.size()) largeurs.resize(rangee.size(), 0);
        for (std::size_t c = 0; c < rangee.size(); ++c)
            largeurs[c] = std::max(largeurs[c], Largeur(rangee[c]));
    }
    const bool marge = std::find(marquees.begin(), marquees.end(), true) != marquees.end();
    for (std::size_t r = 0; r < grille.size(); ++r) {
        const bool marquee = r < marquees.size() && marquees[r];
        std::string ligne(marge ? (marquee ? "* " : "  ") : "");
        for (std::size_t c = 0; c < grille[r].size(); ++c) {
            if (c > 0) ligne += "  ";
            ligne += grille[r][c];
            if (c + 1 < grille[r].size()) ligne.append(largeurs[c] - Largeur(grille[r][c]), ' ');
        }
        ligne.erase(ligne.find_last_not_of(' ') + 1);
        sortie << ligne << '\n';
        if (r == 0) {
            std::size_t total = marge ? 2 : 0;
            for (std::size_t c = 0; c < largeurs.size(); ++c)
                total += largeurs[c] + (c > 0 ? 2 : 0);
            sortie << std::string(total, '-') << '\n';
        }
    }
}

nlohmann::json GrilleJson(const plio::Grille& grille)
{
    nlohmann::json json {
        { "columns", grille.empty() ? nlohmann::json::array() : nlohmann::json(grille[0]) },
        { "rows", nlohmann::json::array() }
    };
    for (std::size_t r = 1; r < grille.size(); ++r)
        json["rows"].push_back(grille[r]);
    return json;
}
