#include "tournament/Qualite.h"
#include "CompetitionEssai.h"
#include "Fixtures.h"
#include "model/Score.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

using test::AjouteLigne;

// Percentages as the matchpoints give them on boards 1..10: e1, e2, e6 5/7; e3 7/7; e4, e7
// 0.5/7; e5 2/7; e8 3/7 (truncated to two decimals).
class QualiteEssai : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Pair 9's lead on board 8 in English letters: no suit of the French notation.
        Competition c = test::CompetitionEssai();
        for (ResultsSheet& f : c.Donnes[8].Feuilles)
            if (f.PaireEO == 9) f.Entame = "KH";
        qualites = new std::vector<Tqualite>(FaitQualiteDuJeu(c, "french"));
    }
    static void TearDownTestSuite() { delete qualites; }
    static const Tqualite& Paire(int p) { return qualites->at(static_cast<std::size_t>(p)); }
    static std::vector<Tqualite>* qualites;
};
std::vector<Tqualite>* QualiteEssai::qualites = nullptr;

// Pair 1 sits North-South at table 1 and declares every board it plays: e1..e8, then e1, e2,
// e3 on boards 9 to 11, and the passed-out board 12.
TEST_F(QualiteEssai, PairThatOnlyDeclared)
{
    const Tqualite& q = Paire(1);
    EXPECT_EQ(q.NbDonnes, 12);
    // Bidding: 3P (4P scores more), 5P (above the par) and 3SA (4P scores more).
    EXPECT_EQ(q.TotalEncheres, -3);
    EXPECT_EQ(q.ParDonne[5].Encheres, -1);
    EXPECT_EQ(q.ParDonne[7].Encheres, -1);
    EXPECT_EQ(q.ParDonne[8].Encheres, -1);
    // Board 4: 4P one down with 10 tricks double dummy.
    EXPECT_EQ(q.TotalJeuDeclarant, -1);
    EXPECT_EQ(q.ParDonne[4].JeuDeclarant, -1);
    // With 10 tricks (620, vulnerable) it beats 170, -100 and 600 and ties three 620s:
    // 4.5 / 7 = 64.29 %, against the 07,14 it had.
    EXPECT_NEAR(q.ParDonne[4].PerteDeclarant, 450.0 / 7 - 7.14, 1e-9);
    EXPECT_NEAR(q.PerteDeclarant, (450.0 / 7 - 7.14) / 12, 1e-9);
    EXPECT_EQ(q.TotalJeuDefense, 0);
    EXPECT_EQ(q.TotalEntames, 0);
    // One overtrick given on boards 3 and 11, one trick lost on board 4.
    EXPECT_EQ(q.PlisGagnes, 2);
    EXPECT_EQ(q.PlisPerdus, 1);
    EXPECT_EQ(q.TotalOpportunite, 201);
    EXPECT_EQ(BilanOpportunite(q), 1);
    // Chance on the five 4P made exactly at par (71,42 each): 21.42 x 5 over 12 deals.
    EXPECT_NEAR(q.ParDonne[1].Chance, 21.42, 1e-9);
    EXPECT_EQ(q.ParDonne[3].Chance, 0); // an overtrick is no normal deal
    EXPECT_NEAR(q.Chance, 21.42 * 5 / 12, 1e-9);
    EXPECT_EQ(q.ParDonne[12], TDonneQualite {});
}

// Pair 9 sits East-West and only defends: e1, e2, e3 at table 1; e3, e4, e5 at table 8; e5,
// e6, e7 at table 7; e7, the adjusted line and the passed-out board at table 6.
TEST_F(QualiteEssai, PairThatOnlyDefended)
{
    const Tqualite& q = Paire(9);
    EXPECT_EQ(q.NbDonnes, 12);
    EXPECT_EQ(q.TotalJeuDeclarant, 0);
    // 4P beaten undoubled on board 5, 5P beaten undoubled on boards 9 and 10.
    EXPECT_EQ(q.TotalEncheres, -3);
    EXPECT_EQ(q.ParDonne[5].Encheres, -1);
    EXPECT_EQ(q.ParDonne[9].Encheres, -1);
    EXPECT_EQ(q.ParDonne[10].Encheres, -1);
    // The overtrick in 4P on boards 3 and 4; with 10 tricks the defence would have tied
    // three tables of seven: 1.5 / 7 against the 0,00 it had.
    EXPECT_EQ(q.TotalJeuDefense, -2);
    EXPECT_NEAR(q.ParDonne[3].PerteDefense, 150.0 / 7, 1e-9);
    EXPECT_NEAR(q.ParDonne[4].PerteDefense, 150.0 / 7, 1e-9);
    EXPECT_NEAR(q.PerteDefense, 300.0 / 7 / 12, 1e-9);
    // Leads 2T (board 2) and 2C (boards 9, 10) are wrong; KH (board 8) is not judged in French.
    EXPECT_EQ(q.TotalEntames, -3);
    EXPECT_EQ(q.ParDonne[8].QualiteEntame, 0);
    EXPECT_EQ(q.ParDonne[6].QualiteEntame, 0); // DC: the queen of hearts is correct
    EXPECT_EQ(q.PlisGagnes, 1);
    EXPECT_EQ(q.PlisPerdus, 2);
    EXPECT_EQ(q.TotalOpportunite, 102);
    // 4P made exactly at par on boards 1, 2 and 8 (28,57 each).
    EXPECT_NEAR(q.Chance, -21.43 * 3 / 12, 1e-9);
    EXPECT_EQ(q.ParDonne[11], TDonneQualite {}); // adjusted
}

TEST_F(QualiteEssai, RanksFollowTheFigures)
{
    for (std::size_t p = 1; p < qualites->size(); ++p) {
        for (std::size_t r = 1; r < qualites->size(); ++r) {
            const Tqualite& a = Paire(static_cast<int>(p));
            const Tqualite& b = Paire(static_cast<int>(r));
            if (a.TotalEncheres > b.TotalEncheres) {
                EXPECT_LT(a.RangEncheres, b.RangEncheres);
            }
            if (a.TotalEncheres == b.TotalEncheres) {
                EXPECT_EQ(a.RangEncheres, b.RangEncheres);
            }
            if (a.PerteDefense < b.PerteDefense - 1e-6) {
                EXPECT_LT(a.RangPerteDefense, b.RangPerteDefense);
            }
            if (BilanOpportunite(a) > BilanOpportunite(b)) {
                EXPECT_LT(a.RangOpportunite, b.RangOpportunite);
            }
        }
    }
    EXPECT_EQ(qualites->at(0).NumeroPaire, 0);
    EXPECT_EQ(qualites->at(0).NbDonnes, 0);
}

// Four tables; pair 1 plays 4P one down although 10 tricks were there.
Competition QuatreTables()
{
    Competition c = test::Tournoi(4, 1);
    board& b = c.Donnes[1];
    b.Plis[Nord][4] = b.Plis[Sud][4] = 10;
    b.ContratPar = 19;
    b.CampPar = 5;
    AjouteLigne(c, 1, { 1, 5, "4P", "N", "-1", "RC", 0, 50, "0,00", "100,00" });
    AjouteLigne(c, 1, { 2, 6, "4P", "N", "=", "RC", 420, 0, "83,33", "16,66" });
    AjouteLigne(c, 1, { 3, 7, "2P", "N", "+2", "RC", 170, 0, "33,33", "66,66" });
    AjouteLigne(c, 1, { 4, 8, "3SA", "S", "=", "RC", 400, 0, "66,66", "33,33" });
    return c;
}

TEST(JugeDonne, ConcededPercentageBeatsTwoTablesAndTiesOne)
{
    const Competition c = QuatreTables();
    const board& b = c.Donnes[1];
    const TDonneQualite q = JugeDonne(b, b.Feuilles[1], 1, false, "french");
    EXPECT_EQ(q.JeuDeclarant, -1);
    // 420 beats 170 and 400 and ties 420: h = 2.5 of 3 tables.
    EXPECT_NEAR(q.PerteDeclarant, 2.5 * 100 / 3 - 0, 1e-9);
    EXPECT_EQ(q.Opportunite, 1);
    const TDonneQualite defense = JugeDonne(b, b.Feuilles[1], 5, false, "french");
    EXPECT_EQ(defense.Opportunite, 100);
    EXPECT_EQ(defense.JeuDefense, 0);
    EXPECT_EQ(defense.PerteDefense, 0);
}

TEST(JugeDonne, SingleTableConcedesNothing)
{
    Competition c = test::Tournoi(1, 1);
    board& b = c.Donnes[1];
    b.Plis[Nord][4] = 10;
    b.ContratPar = 19;
    AjouteLigne(c, 1, { 1, 2, "4P", "N", "-1", "RC", 0, 50, "50,00", "50,00" });
    const TDonneQualite q = JugeDonne(b, b.Feuilles[1], 1, false, "french");
    EXPECT_EQ(q.JeuDeclarant, -1);
    EXPECT_EQ(q.PerteDeclarant, 0);
}

TEST(JugeDonne, BiddingJudgements)
{
    // North-South 10 tricks in spades (par 4P), East-West 9 in clubs: 5T by West is one down.
    Competition c = test::Tournoi(2, 1);
    board& b = c.Donnes[1];
    b.Plis[Nord][4] = b.Plis[Sud][4] = 10;
    b.Plis[Ouest][1] = b.Plis[Est][1] = 9;
    for (int siege = 1; siege <= 4; ++siege)
        for (int strain = 1; strain <= 5; ++strain)
            CalculeScoresContrats(b, siege, strain);
    b.ContratPar = 19;
    b.CampPar = 5;
    struct Cas {
        test::Ligne ligne;
        int paire;
        int encheres;
    };
    const Cas cas[] = {
        { { 1, 3, "4P", "N", "=", "", 420, 0, "", "" }, 1, 0 }, // the par, nothing scores more
        { { 1, 3, "5T", "N", "-4", "", 0, 800, "", "" }, 1, -1 }, // above the par
        { { 1, 3, "2P", "S", "+2", "", 170, 0, "", "" }, 1, -1 }, // 4P scores more
        { { 1, 3, "3SA", "S", "-1", "", 0, 50, "", "" }, 3, -1 }, // beaten undoubled
        { { 1, 3, "3SAX", "S", "-1", "", 0, 100, "", "" }, 3, 0 }, // beaten doubled
        { { 1, 3, "5T", "O", "-2", "", 100, 0, "", "" }, 1, 0 }, // North-South never owe a double
        { { 1, 3, "4T", "O", "-1", "", 50, 0, "", "" }, 1, -1 }, // 4P scores more than +50
        { { 1, 3, "4T", "O", "-1", "", 50, 0, "", "" }, 3, 0 }, // only higher contracts count
    };
    for (const Cas& k : cas) {
        Competition une = c;
        AjouteLigne(une, 1, k.ligne);
        const board& d = une.Donnes[1];
        EXPECT_EQ(JugeDonne(d, d.Feuilles[1], k.paire, false, "french").Encheres, k.encheres)
            << k.ligne.contrat << " " << k.ligne.declarant << " pair " << k.paire;
    }
}

} // namespace
} // namespace plio
