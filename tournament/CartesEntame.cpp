#include "tournament/CartesEntame.h"

namespace plio {

std::vector<Carte> CartesEntameCorrectes(const board& donne, int entameur, int strain)
{
    std::vector<Carte> cartes;
    if (entameur < 1 || entameur > 4 || strain < 1 || strain > 5) return cartes;
    const auto joueur = static_cast<std::size_t>(entameur);
    for (int couleur = 4; couleur >= 1; --couleur) {
        const auto c = static_cast<std::size_t>(couleur);
        // Only a card in the leader's hand can be led, whatever the mask holds.
        const int masque = donne.EntamesCorrectes[joueur][static_cast<std::size_t>(strain)][c]
            & donne.Couleurs[joueur][c];
        for (int rang = 12; rang >= 0; --rang)
            if (masque & MasqueRang[static_cast<std::size_t>(rang)])
                cartes.push_back({ couleur, rang });
    }
    return cartes;
}

} // namespace plio
