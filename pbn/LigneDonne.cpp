#include "pbn/LigneDonne.h"

#include "model/VariablesGlobales.h"

namespace plio {

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

} // namespace plio
