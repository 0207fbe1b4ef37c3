// The pattern table: what is stored is found again, and however much is stored, its memory stays
// bounded.
#include "solver/TableMotifs.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

TEST(TableMotifs, FindsAStoredBoundOnlyForMatchingOwners)
{
    TableMotifs table;
    const std::array<std::uint8_t, 4> ordres { 1, 0, 0, 2 };
    const std::array<std::uint32_t, 4> valeurs { 2, 0, 0, 0b0111 };
    table.Stocke(42, 3, ordres, valeurs).Inferieure = 5;
    auto decide = [](const BornesPlis& b) { return b.Inferieure >= 5; };
    // Lower cards (beyond the stored orders) may have any owner.
    EXPECT_NE(table.Cherche(42, 3, { 0b1110, 0xFF, 0x3C, 0b110111 }, decide), nullptr);
    EXPECT_EQ(table.Cherche(42, 3, { 0b1101, 0xFF, 0x3C, 0b110111 }, decide), nullptr);
    EXPECT_EQ(table.Cherche(42, 4, { 0b1110, 0xFF, 0x3C, 0b110111 }, decide), nullptr);
    EXPECT_EQ(table.Cherche(43, 3, { 0b1110, 0xFF, 0x3C, 0b110111 }, decide), nullptr);
    table.Vide();
    EXPECT_EQ(table.Cherche(42, 3, { 0b1110, 0xFF, 0x3C, 0b110111 }, decide), nullptr);
}

TEST(TableMotifs, MemoryStaysBoundedHoweverMuchIsStored)
{
    TableMotifs table;
    std::size_t maximum = 0;
    // Three million patterns over a million shapes: the table empties itself as it goes.
    for (std::uint32_t i = 0; i < 3000000; ++i) {
        const std::array<std::uint8_t, 4> ordres { 13, 13, 13, 13 };
        const std::array<std::uint32_t, 4> valeurs { i % 3, i, 0, 0 };
        table.Stocke(i / 3, 1 + static_cast<int>(i % 4), ordres, valeurs);
        if (i % 4096 == 0) maximum = std::max(maximum, table.Octets());
    }
    EXPECT_LT(maximum, std::size_t { 60 } << 20);
    EXPECT_LT(table.NombreMotifs(), 3000000u); // it emptied itself on the way
}

} // namespace
} // namespace plio
