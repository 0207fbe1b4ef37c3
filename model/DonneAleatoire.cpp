#include "model/DonneAleatoire.h"

#include <utility>

namespace plio {

MainsDonne DistribueAuHasard(std::mt19937& generateur)
{
    std::array<int, 52> cartes {};
    for (int k = 0; k < 52; ++k)
        cartes[static_cast<std::size_t>(k)] = k;
    for (int k = 51; k > 0; --k)
        std::swap(cartes[static_cast<std::size_t>(k)],
            cartes[static_cast<std::size_t>(generateur() % static_cast<unsigned>(k + 1))]);
    MainsDonne mains {};
    for (int position = 0; position < 52; ++position) {
        const int carte = cartes[static_cast<std::size_t>(position)];
        mains[static_cast<std::size_t>(position / 13 + 1)][static_cast<std::size_t>(carte / 13 + 1)]
            |= MasqueRang[static_cast<std::size_t>(carte % 13)];
    }
    return mains;
}

} // namespace plio
