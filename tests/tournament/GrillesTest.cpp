#include "CompetitionEssai.h"
#include "Fixtures.h"
#include "tournament/CartesEntame.h"
#include "tournament/GrilleClassement.h"
#include "tournament/GrillesQualite.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

using test::AjouteLigne;

const std::vector<std::string>* RangeeDe(const Grille& grille, const std::string& debut)
{
    for (const auto& rangee : grille)
        if (rangee.size() > 1 && rangee[1].rfind(debut, 0) == 0) return &rangee;
    return nullptr;
}

TEST(GrilleClassement, PercentagesAreTruncatedToTwoDecimals)
{
    // Pair 1 scores 57 % once in eight deals (7.125), pair 3 always 100, pair 4 always 0.
    Competition c = test::Tournoi(2, 8);
    for (int k = 1; k <= 8; ++k) {
        AjouteLigne(c, k,
            { 1, 2, "1P", "N", "=", "", 80, 0, k == 1 ? "57,00" : "0,00",
                k == 1 ? "43,00" : "100,00" });
        AjouteLigne(c, k, { 3, 4, "1P", "N", "+1", "", 110, 0, "100,00", "0,00" });
    }
    std::vector<Tclassemt> lignes;
    ASSERT_TRUE(FaitClassement(c, lignes));
    TrieClassement(lignes, c.Tournoi);
    const Grille g = GrilleClassement(c.Tournoi, lignes, FaitQualiteDuJeu(c, "french"), "french");
    ASSERT_EQ(g.size(), 5u);
    EXPECT_EQ(g[0],
        (std::vector<std::string> { "Rang", "Paire", "% total", "% déc", "% déf",
            "% perdu déclarant", "% perdu en défense", "% chance", "score idéal" }));
    const std::vector<std::string> attendu[] = {
        { "1", "3", "100,00", "100,00", "–" },
        { "2", "2", "92,87", "–", "92,87" },
        { "3", "1", "07,12", "07,12", "–" },
        { "4", "4", "0,00", "–", "0,00" },
    };
    for (int r = 1; r <= 4; ++r) {
        SCOPED_TRACE(r);
        const auto& a = attendu[r - 1];
        EXPECT_EQ(g[r][0], a[0]);
        EXPECT_EQ(g[r][1].substr(0, 3), a[1] + "  ");
        EXPECT_EQ(g[r][2], a[2]);
        EXPECT_EQ(g[r][3], a[3]);
        EXPECT_EQ(g[r][4], a[4]);
    }
    EXPECT_EQ(g[1][1], "3  Mr Nord3" + std::string(8 + 2, ' ') + "Mme Sud3" + std::string(8, ' '));
}

TEST(GrilleClassement, TestCompetitionWithQualityAndIdealScore)
{
    const Competition c = test::CompetitionEssai();
    std::vector<Tclassemt> lignes;
    ASSERT_TRUE(FaitClassement(c, lignes));
    TrieClassement(lignes, c.Tournoi);
    const Grille g = GrilleClassement(c.Tournoi, lignes, FaitQualiteDuJeu(c, "french"), "anglais");
    ASSERT_EQ(g.size(), 17u);
    EXPECT_EQ(g[0][3], "% declarer");
    // Pair 1: 692,80 / 12, 642,80 / 11, never defended; conceded 4.762 as declarer, chance
    // 8.925; ideal 57.733 + 4.762 - 8.925.
    const auto* p1 = RangeeDe(g, "1  ");
    ASSERT_NE(p1, nullptr);
    EXPECT_EQ(std::vector<std::string>(p1->begin() + 2, p1->end()),
        (std::vector<std::string> { "57,73", "58,43", "–", "04,76", "0,00", "08,92", "53,57" }));
    // Pair 9: 597,10 / 12, never declared, 507,10 / 10 in defence; conceded 3.571 in defence,
    // chance -5.3575; ideal 49.758 + 3.571 + 5.358.
    const auto* p9 = RangeeDe(g, "9  ");
    ASSERT_NE(p9, nullptr);
    EXPECT_EQ(std::vector<std::string>(p9->begin() + 2, p9->end()),
        (std::vector<std::string> { "49,75", "–", "50,71", "0,00", "03,57", "-05,35", "58,68" }));
    for (std::size_t r = 1; r < g.size(); ++r)
        EXPECT_EQ(g[r][0], std::to_string(r));
}

TEST(GrillesQualite, SixGridsFromBestToWorst)
{
    const Competition c = test::CompetitionEssai();
    const auto grilles = GrillesQualite(c.Tournoi, FaitQualiteDuJeu(c, "french"), "french");
    ASSERT_EQ(grilles.size(), 6u);
    const char* titres[] = { "Qualité des enchères", "Qualité du jeu du déclarant",
        "Qualité de la défense", "Qualité des entames", "Opportunité", "Chance" };
    for (int i = 0; i < 6; ++i) {
        const GrilleQualite& g = grilles[static_cast<std::size_t>(i)];
        EXPECT_EQ(g.Titre, titres[i]);
        ASSERT_EQ(g.Cellules[0].size(), 15u);
        EXPECT_EQ(g.Cellules[0][0], "N°");
        EXPECT_EQ(g.Cellules[0][14], "12");
        const std::size_t lignesParPaire = (i == 1 || i == 2) ? 2 : 1;
        EXPECT_EQ(g.Cellules.size(), 1 + 16 * lignesParPaire);
        EXPECT_EQ(g.PaireDeRangee.size(), g.Cellules.size());
        for (std::size_t r = 2; r < g.Cellules.size(); ++r)
            if (!g.Cellules[r][1].empty() && !g.Cellules[r - lignesParPaire][1].empty()) {
                EXPECT_LE(
                    std::stoi(g.Cellules[r - lignesParPaire][1]), std::stoi(g.Cellules[r][1]));
            }
    }
    auto rangeeDe = [](const GrilleQualite& g, int paire, int decalage = 0) {
        for (std::size_t r = 1; r < g.Cellules.size(); ++r)
            if (g.PaireDeRangee[r] == paire)
                return g.Cellules[r + static_cast<std::size_t>(decalage)];
        return std::vector<std::string> {};
    };
    const auto enc = rangeeDe(grilles[0], 1);
    EXPECT_EQ(std::vector<std::string>(enc.begin() + 2, enc.end()),
        (std::vector<std::string> {
            "-3", "0", "0", "0", "0", "-1", "0", "-1", "-1", "0", "0", "0", "0" }));
    const auto perte = rangeeDe(grilles[1], 1, 1);
    EXPECT_EQ(perte[0], "1");
    EXPECT_EQ(perte[1], "");
    EXPECT_EQ(perte[2], "-4.7%");
    EXPECT_EQ(perte[6], "-57");
    const auto opportunite = rangeeDe(grilles[4], 1);
    EXPECT_EQ(opportunite[2], "1 [ 2- 1]");
    EXPECT_EQ(opportunite[5], "1");
    EXPECT_EQ(opportunite[6], "-1");
    const auto chance = rangeeDe(grilles[5], 9);
    EXPECT_EQ(chance[2], "-5,3%");
    EXPECT_EQ(chance[3], "-21");
    const auto entames = rangeeDe(grilles[3], 9);
    EXPECT_EQ(entames[2], "-3");
}

TEST(GrillesQualite, TeamMatchHasNoPercentageFigures)
{
    Competition c = test::Tournoi(1, 1, "MPQ");
    AjouteLigne(c, 1, { 1, 2, "4P", "N", "=", "RC", 420, 0, "6", "" });
    AjouteLigne(c, 1, { 2, 1, "2P", "N", "+2", "RC", 170, 0, "6", "" });
    const auto grilles = GrillesQualite(c.Tournoi, FaitQualiteDuJeu(c, "french"), "anglais");
    ASSERT_EQ(grilles.size(), 5u);
    EXPECT_EQ(grilles[1].Titre, "Quality of declarer play");
    EXPECT_EQ(grilles[1].Cellules.size(), 3u);
}

TEST(CartesEntameCorrectes, CardsOfTheLeaderInTheMask)
{
    board b;
    b.LigneDonne
        = R"([Deal "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"])";
    LitDonne(b);
    // West holds every club: the ace and the four of clubs are correct; the ace of spades
    // (not in West's hand) cannot be led.
    b.EntamesCorrectes[Ouest][3][1] = MasqueRang[12] | MasqueRang[2];
    b.EntamesCorrectes[Ouest][3][4] = MasqueRang[12];
    EXPECT_EQ(CartesEntameCorrectes(b, Ouest, 3), (std::vector<Carte> { { 1, 12 }, { 1, 2 } }));
    EXPECT_TRUE(CartesEntameCorrectes(b, Ouest, 5).empty()); // not analysed in no trump
    EXPECT_TRUE(CartesEntameCorrectes(b, 0, 3).empty());
    EXPECT_TRUE(CartesEntameCorrectes(b, Ouest, 6).empty());
}

} // namespace
} // namespace plio
