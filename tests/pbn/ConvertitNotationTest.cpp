#include "pbn/ConvertitNotation.h"

#include "Fabrique.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

Competition UneFeuille(std::string contrat, std::string declarant, std::string entame)
{
    Competition c;
    c.Tournoi.NombreDonnes = 1;
    c.Donnes.assign(2, board {});
    board& d = c.Donnes[1];
    d.NombreFeuilles = 1;
    d.Feuilles.assign(2, ResultsSheet {});
    d.Feuilles[1].Contrat = std::move(contrat);
    d.Feuilles[1].Declarant = std::move(declarant);
    d.Feuilles[1].Entame = std::move(entame);
    return c;
}

struct Conversion {
    const char* francais[3];
    const char* anglais[3];
};

TEST(ConvertitNotation, BothWaysOnEveryConvertedCharacter)
{
    const Conversion cas[] = {
        { { "3SA", "O", "DP" }, { "3NT", "W", "QS" } },
        { { "4PX", "N", "XT" }, { "4SX", "N", "TC" } },
        { { "2KXX", "S", "VK" }, { "2DXX", "S", "JD" } },
        { { "6C", "E", "RC" }, { "6H", "E", "KH" } },
        { { "1T", "O", "AT" }, { "1C", "W", "AC" } },
        { { "7SAX", "E", "9P" }, { "7NTX", "E", "9S" } },
    };
    for (const auto& [fr, en] : cas) {
        Competition c = UneFeuille(fr[0], fr[1], fr[2]);
        ConvertitNotation(c, "anglais", "french");
        const ResultsSheet& f = c.Donnes[1].Feuilles[1];
        EXPECT_EQ(f.Contrat, en[0]);
        EXPECT_EQ(f.Declarant, en[1]);
        EXPECT_EQ(f.Entame, en[2]);
        ConvertitNotation(c, "french", "french");
        EXPECT_EQ(f.Contrat, fr[0]);
        EXPECT_EQ(f.Declarant, fr[1]);
        EXPECT_EQ(f.Entame, fr[2]);
    }
}

TEST(ConvertitNotation, EnglishInterfaceChangesNothing)
{
    Competition c = UneFeuille("3NT", "W", "QS");
    const Competition avant = c;
    ConvertitNotation(c, "french", "anglais");
    EXPECT_EQ(c, avant);
    ConvertitNotation(c, "anglais", "anglais");
    EXPECT_EQ(c, avant);
}

TEST(ConvertitNotation, ShortContractsAndDashesAreLeftAlone)
{
    for (const char* contrat : { "A", "PA", "" }) {
        Competition c = UneFeuille(contrat, "W", "-");
        ConvertitNotation(c, "french", "french");
        const ResultsSheet& f = c.Donnes[1].Feuilles[1];
        EXPECT_EQ(f.Contrat, contrat);
        EXPECT_EQ(f.Entame, "-");
        // A sheet too short to hold a strain keeps its declarer too.
        EXPECT_EQ(f.Declarant, std::string(contrat).size() < 2 ? "W" : "O");
    }
}

TEST(ConvertitNotation, AnAdjustedSheetDoesNotStopTheSheetsAfterIt)
{
    Competition c = test::CompetitionDeTest("TPP", 3, 1);
    c.Donnes[1].Feuilles[2].Contrat = "A";
    ConvertitNotation(c, "french", "french");
    EXPECT_EQ(c.Donnes[1].Feuilles[1].Contrat, "4P");
    EXPECT_EQ(c.Donnes[1].Feuilles[2].Contrat, "A");
    EXPECT_EQ(c.Donnes[1].Feuilles[3].Contrat, "4P");
}

} // namespace
} // namespace plio
