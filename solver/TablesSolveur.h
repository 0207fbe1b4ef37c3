// Constant tables of the double-dummy solver, indexed by 13-bit holdings: everything the search
// consults per node is one lookup. Computed once, shared read-only by every solver object.
#pragma once

#include <array>
#include <cstdint>

namespace plio {

struct TablesSolveur {
    std::array<std::uint8_t, 8192> NbCartes {};
    std::array<std::int8_t, 8192> RangHaut {}; // -1 for the empty mask
    std::array<std::int8_t, 8192> RangBas {}; // -1 for the empty mask
    // [r][mask]: how many cards of the mask rank at or above r (the order from the top of r when
    // r is in the mask); row 13 is all 0, a suit where no rank mattered.
    std::array<std::array<std::uint8_t, 8192>, 14> RangRelatif {};
    // [k][mask]: rank of the k-th highest card; 13 for k = 0, 0 when the mask is shorter than k.
    std::array<std::array<std::uint8_t, 8192>, 14> RangAbsolu {};
    std::array<std::array<std::uint16_t, 13>, 13> EntreRangs {}; // ranks strictly between i and j
    std::array<std::uint16_t, 14> PlisJusque {}; // 2^t - 1
    std::array<std::uint16_t, 14> RangsDepuis {}; // ranks >= r; 0 for r = 13
    std::array<std::uint32_t, 14> MasqueMotif {}; // 4^k - 1
    std::array<std::array<std::uint64_t, 5>, 5> PoidsForme {}; // [hand][suit]: a 4-bit field each
    std::array<std::uint8_t, 16> PointsHonneurs {}; // J=1 Q=2 K=3 A=4 of the top 4 bits
};

const TablesSolveur& Tables();

} // namespace plio
