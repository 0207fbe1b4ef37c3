#include "solver/TablesSolveur.h"

#include <bit>

namespace plio {

namespace {

TablesSolveur Construit()
{
    TablesSolveur t;
    for (int m = 0; m < 8192; ++m) {
        t.NbCartes[m] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(m)));
        t.RangHaut[m] = static_cast<std::int8_t>(m == 0 ? -1 : std::bit_width(unsigned(m)) - 1);
        t.RangBas[m] = static_cast<std::int8_t>(m == 0 ? -1 : std::countr_zero(unsigned(m)));
    }
    for (int r = 0; r <= 13; ++r)
        t.RangsDepuis[r] = static_cast<std::uint16_t>(0x1FFF & ~((1u << r) - 1));
    for (int r = 0; r <= 12; ++r)
        for (int m = 0; m < 8192; ++m)
            t.RangRelatif[r][m] = t.NbCartes[m & t.RangsDepuis[r]];
    for (int m = 0; m < 8192; ++m) {
        t.RangAbsolu[0][m] = 13;
        int k = 1;
        for (int r = 12; r >= 0; --r)
            if (m & (1 << r)) t.RangAbsolu[k++][m] = static_cast<std::uint8_t>(r);
    }
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j) {
            const int bas = i < j ? i : j;
            const int haut = i < j ? j : i;
            t.EntreRangs[i][j] = haut - bas < 2
                ? 0
                : static_cast<std::uint16_t>(((1u << haut) - 1) & ~((1u << (bas + 1)) - 1));
        }
    for (int k = 0; k <= 13; ++k) {
        t.PlisJusque[k] = static_cast<std::uint16_t>((1u << k) - 1);
        t.MasqueMotif[k] = static_cast<std::uint32_t>((1ull << (2 * k)) - 1);
    }
    for (int h = 1; h <= 4; ++h)
        for (int s = 1; s <= 4; ++s)
            t.PoidsForme[h][s] = 1ull << (4 * (4 * (h - 1) + (s - 1)));
    for (int b = 0; b < 16; ++b)
        t.PointsHonneurs[b] = static_cast<std::uint8_t>(
            (b & 1) * 1 + ((b >> 1) & 1) * 2 + ((b >> 2) & 1) * 3 + ((b >> 3) & 1) * 4);
    return t;
}

} // namespace

const TablesSolveur& Tables()
{
    static const TablesSolveur tables = Construit();
    return tables;
}

} // namespace plio
