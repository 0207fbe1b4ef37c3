#include "pbn/Validateurs.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace plio {
namespace {

using Cas = std::vector<std::pair<std::string, bool>>;

TEST(Validateurs, ContratValideAcceptsTheFileNamesOnly)
{
    const Cas cas { { "1C", true }, { "1NT", true }, { "7NT", true }, { "4SX", true },
        { "3NTXX", true }, { "6CXX", true }, { "8C", false }, { "0S", false }, { "4", false },
        { "4N", false }, { "4SXXX", false }, { "4P", false }, { "3SA", false }, { "PA", false },
        { "A", false }, { "", false }, { "4S ", false }, { "4s", false } };
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(ContratValide(texte), attendu) << texte;
}

TEST(Validateurs, DeclarantResultatEntame)
{
    for (const auto& [texte, attendu] : Cas { { "S", true }, { "O", true }, { "W", true },
             { "N", true }, { "E", true }, { "", false }, { "NS", false }, { "-", false } })
        EXPECT_EQ(DeclarantValide(texte), attendu) << texte;
    for (const auto& [texte, attendu] : Cas { { "=", true }, { "+1", true }, { "7", true },
             { "+7", true }, { "+8", false }, { "-13", true }, { "-14", false }, { "0", true },
             { "", false }, { "-", false }, { "+", false }, { "+-3", false }, { "x", false } })
        EXPECT_EQ(ResultatValide(texte), attendu) << texte;
    for (const auto& [texte, attendu] : Cas { { "KH", true }, { "XP", true }, { "2T", true },
             { "AD", true }, { "AS", true }, { "AC", true }, { "AK", true }, { "AX", false },
             { "A", false }, { "AHS", false }, { "-", false }, { "", false } })
        EXPECT_EQ(EntameValide(texte), attendu) << texte;
}

TEST(Validateurs, EntreBornesIsStrictAndWholeText)
{
    EXPECT_TRUE(EntreBornes("1", 0, 1000));
    EXPECT_TRUE(EntreBornes("999", 0, 1000));
    EXPECT_FALSE(EntreBornes("0", 0, 1000));
    EXPECT_FALSE(EntreBornes("1000", 0, 1000));
    EXPECT_TRUE(EntreBornes("-7600", -7601, 7601));
    EXPECT_FALSE(EntreBornes("7601", -7601, 7601));
    EXPECT_FALSE(EntreBornes("12a", 0, 1000));
    EXPECT_TRUE(EntreBornes(" 12 ", 0, 1000));
    EXPECT_FALSE(EntreBornes("1 2", 0, 1000));
    EXPECT_FALSE(EntreBornes("99999999999999999999999", 0, 1000));
}

TEST(Validateurs, PassedOutAndAdjustedLinesHaveOnlyDashes)
{
    EXPECT_TRUE(FeuilleSansJeu("PA", "-", "-", "-"));
    EXPECT_TRUE(FeuilleSansJeu("A", "-", "-", "-"));
    EXPECT_FALSE(FeuilleSansJeu("PA", "N", "-", "-"));
    EXPECT_FALSE(FeuilleSansJeu("A", "-", "=", "-"));
    EXPECT_FALSE(FeuilleSansJeu("4S", "-", "-", "-"));
}

} // namespace
} // namespace plio
