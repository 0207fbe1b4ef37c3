#include "pbn/FeuilleValide.h"

#include "Fabrique.h"

#include <gtest/gtest.h>

#include <functional>

namespace plio {
namespace {

struct CasFeuille {
    const char* quoi;
    std::function<void(ResultsSheet&)> change;
    std::optional<int> champ; // first invalid field expected, nothing when valid
};

TEST(FeuilleValide, FirstInvalidFieldOfAPairsSheet)
{
    const CasFeuille cas[] = {
        { "valid", [](ResultsSheet&) {}, std::nullopt },
        { "pair 0", [](ResultsSheet& f) { f.PaireNS = 0; }, 1 },
        { "pair 1000", [](ResultsSheet& f) { f.PaireEO = 1000; }, 2 },
        { "French contract", [](ResultsSheet& f) { f.Contrat = "4P"; }, 3 },
        { "empty declarer", [](ResultsSheet& f) { f.Declarant = ""; }, 4 },
        { "result", [](ResultsSheet& f) { f.Resultat = "-14"; }, 5 },
        { "score", [](ResultsSheet& f) { f.ScoreNS = 7601; }, 6 },
        { "score EW", [](ResultsSheet& f) { f.ScoreEO = -7601; }, 7 },
        { "percentage text", [](ResultsSheet& f) { f.PourcentNS = "abc"; }, 8 },
        { "percentage 101", [](ResultsSheet& f) { f.PourcentEO = "101,00"; }, 9 },
        { "percentage with a point", [](ResultsSheet& f) { f.PourcentEO = "33.33"; },
            std::nullopt },
        { "lead", [](ResultsSheet& f) { f.Entame = "K"; }, 10 },
        { "passed out",
            [](ResultsSheet& f) {
                f.Contrat = "PA";
                f.Declarant = f.Resultat = f.Entame = "-";
                f.ScoreNS = 0;
            },
            std::nullopt },
        { "passed out with a score",
            [](ResultsSheet& f) {
                f.Contrat = "PA";
                f.Declarant = f.Resultat = f.Entame = "-";
            },
            6 },
        { "adjusted",
            [](ResultsSheet& f) {
                f.Contrat = "A";
                f.Declarant = f.Resultat = f.Entame = "-";
                f.ScoreNS = 0;
                f.PourcentNS = "60,00";
                f.PourcentEO = "40,00";
            },
            std::nullopt },
        { "adjusted without percentages",
            [](ResultsSheet& f) {
                f.Contrat = "A";
                f.Declarant = f.Resultat = f.Entame = "-";
                f.ScoreNS = 0;
                f.PourcentNS = "";
            },
            8 },
        { "passed out with a declarer",
            [](ResultsSheet& f) {
                f.Contrat = "PA";
                f.Declarant = "N";
                f.Resultat = f.Entame = "-";
                f.ScoreNS = 0;
            },
            3 },
    };
    for (const auto& c : cas) {
        Competition competition = test::CompetitionDeTest("TPP", 2, 1);
        c.change(competition.Donnes[1].Feuilles[1]);
        EXPECT_EQ(ChampInvalide(competition.Donnes[1], 1, "TPP"), c.champ) << c.quoi;
        EXPECT_EQ(FeuilleValide(competition.Donnes[1], 1, "TPP"), !c.champ) << c.quoi;
    }
}

TEST(FeuilleValide, PairNumbersMustDifferFromEarlierSheets)
{
    Competition c = test::CompetitionDeTest("TPP", 3, 1);
    board& d = c.Donnes[1];
    d.Feuilles[3].PaireNS = d.Feuilles[1].PaireNS;
    EXPECT_TRUE(FeuilleValide(d, 1, "TPP"));
    EXPECT_EQ(ChampInvalide(d, 3, "TPP"), 1);
    d.Feuilles[3].PaireNS = 3;
    d.Feuilles[3].PaireEO = d.Feuilles[2].PaireEO;
    EXPECT_EQ(ChampInvalide(d, 3, "TPP"), 2);
}

TEST(FeuilleValide, TeamMatchAsksForAnIntegerInPlaceOfThePercentages)
{
    Competition c = test::CompetitionDeTest("MPQ", 2, 1);
    ResultsSheet& f = c.Donnes[1].Feuilles[1];
    EXPECT_TRUE(FeuilleValide(c.Donnes[1], 1, "MPQ"));
    f.PourcentNS = "-12";
    EXPECT_TRUE(FeuilleValide(c.Donnes[1], 1, "MPQ"));
    f.PourcentNS = ""; // entered sheets: the match result lives in ResultatIMP
    EXPECT_TRUE(FeuilleValide(c.Donnes[1], 1, "MPQ"));
    f.PourcentNS = "50,00";
    EXPECT_EQ(ChampInvalide(c.Donnes[1], 1, "MPQ"), 8);
    f.PourcentNS = "3";
    f.Entame = "";
    EXPECT_EQ(ChampInvalide(c.Donnes[1], 1, "MPQ"), 9);
    // The same sheet judged as a pairs sheet lacks its percentages.
    f.Entame = "KH";
    EXPECT_EQ(ChampInvalide(c.Donnes[1], 1, "TPP"), 9);
}

TEST(FeuilleValide, FileStateOfACompetition)
{
    Competition c = test::CompetitionDeTest("TPP", 2, 3);
    EXPECT_EQ(EtatDeFichier(DrapeauxCompetition(c)), "DF");
    for (int b = 1; b <= 3; ++b)
        c.Donnes[static_cast<std::size_t>(b)].Plis[1][5] = 9;
    EXPECT_EQ(EtatDeFichier(DrapeauxCompetition(c)), "DFA");
    // Every deal counts, not only the last one.
    c.Donnes[1].Feuilles[2].Contrat = "";
    EXPECT_EQ(EtatDeFichier(DrapeauxCompetition(c)), "DA");
    c.Donnes[2].Plis = {};
    EXPECT_EQ(EtatDeFichier(DrapeauxCompetition(c)), "D");
    c.Donnes[1].LigneDonne.pop_back();
    EXPECT_EQ(EtatDeFichier(DrapeauxCompetition(c)), "I");

    Competition sansFeuilles = test::CompetitionDeTest("TPP", 0, 2);
    EXPECT_EQ(EtatDeFichier(DrapeauxCompetition(sansFeuilles)), "D");
    EXPECT_EQ(EtatDeFichier(DrapeauxCompetition(Competition {})), "I");
}

} // namespace
} // namespace plio
