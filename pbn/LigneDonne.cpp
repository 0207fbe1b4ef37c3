#include "pbn/LigneDonne.h"

#include "model/VariablesGlobales.h"

#include <cctype>
#include <optional>
#include <utility>
#include <vector>

namespace plio {

namespace {

// The cards of one hand as (suit 1..4, rank 0..12), nothing when the hand is unknown or
// cannot be read.
std::optional<std::vector<std::pair<int, int>>> MainDePbn(std::string_view texte)
{
    if (texte == "-") return std::nullopt;
    std::vector<std::pair<int, int>> cartes;
    int couleur = 4; // spades first
    std::size_t debut = 0;
    for (std::size_t i = 0; i <= texte.size(); ++i) {
        if (i < texte.size() && texte[i] != '.') continue;
        if (couleur < 1) return std::nullopt;
        const std::string_view groupe = texte.substr(debut, i - debut);
        if (groupe != "-") {
            for (std::size_t k = 0; k < groupe.size(); ++k) {
                char c = static_cast<char>(std::toupper(static_cast<unsigned char>(groupe[k])));
                if (c == '1' && k + 1 < groupe.size() && groupe[k + 1] == '0') {
                    c = 'T';
                    ++k;
                }
                const int rang = ValeurRang(c);
                if (rang < 0) return std::nullopt;
                cartes.emplace_back(couleur, rang);
            }
        }
        --couleur;
        debut = i + 1;
    }
    if (couleur != 0) return std::nullopt;
    return cartes;
}

} // namespace

std::string LigneDonneDeCouleurs(
    int premier, const std::array<std::array<std::uint16_t, 5>, 5>& couleurs)
{
    static constexpr std::string_view LettresRangs = "23456789TJQKA";
    static constexpr std::string_view LettresSieges = " SWNE";
    if (premier < 1 || premier > 4) premier = Nord;
    std::string ligne = "[Deal \"";
    ligne += LettresSieges[static_cast<std::size_t>(premier)];
    ligne += ':';
    int siege = premier;
    for (int main = 0; main < 4; ++main, siege = Suivant[static_cast<std::size_t>(siege)]) {
        if (main > 0) ligne += ' ';
        for (int couleur = 4; couleur >= 1; --couleur) {
            if (couleur < 4) ligne += '.';
            const std::uint16_t masque
                = couleurs[static_cast<std::size_t>(siege)][static_cast<std::size_t>(couleur)];
            for (int rang = 12; rang >= 0; --rang)
                if (masque & MasqueRang[static_cast<std::size_t>(rang)])
                    ligne += LettresRangs[static_cast<std::size_t>(rang)];
        }
    }
    return ligne + "\"]";
}

std::string LigneDonneDePbn(std::string_view valeur)
{
    // The words of the value: "F:" and the first hand, then the other hands.
    std::vector<std::string_view> textes;
    for (std::size_t i = 0; i < valeur.size();) {
        if (std::isspace(static_cast<unsigned char>(valeur[i]))) {
            ++i;
            continue;
        }
        std::size_t fin = i;
        while (fin < valeur.size() && !std::isspace(static_cast<unsigned char>(valeur[fin])))
            ++fin;
        textes.push_back(valeur.substr(i, fin - i));
        i = fin;
    }
    if (textes.empty() || textes[0].size() < 2 || textes[0][1] != ':') return {};
    const char premier = static_cast<char>(std::toupper(static_cast<unsigned char>(textes[0][0])));
    if (SiegeDeLettre(premier) == 0) return {};
    textes[0].remove_prefix(2);
    if (textes[0].empty()) textes.erase(textes.begin());
    if (textes.size() > 4) return {};

    // An unknown hand stays empty; a card twice or a hand of more than 13 cards is no deal.
    std::array<std::array<std::uint16_t, 5>, 5> couleurs {};
    std::uint64_t vues = 0;
    int siege = SiegeDeLettre(premier);
    for (std::size_t main = 0; main < 4; ++main, siege = Suivant[static_cast<std::size_t>(siege)]) {
        const auto cartes = main < textes.size() ? MainDePbn(textes[main]) : std::nullopt;
        if (!cartes) continue;
        if (cartes->size() > 13) return {};
        for (const auto& [couleur, rang] : *cartes) {
            const std::uint64_t bit = std::uint64_t { 1 } << (13 * (couleur - 1) + rang);
            if (vues & bit) return {};
            vues |= bit;
            couleurs[static_cast<std::size_t>(siege)][static_cast<std::size_t>(couleur)]
                |= MasqueRang[static_cast<std::size_t>(rang)];
        }
    }
    return LigneDonneDeCouleurs(SiegeDeLettre(premier), couleurs);
}

} // namespace plio
