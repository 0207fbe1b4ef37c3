#include "tournament/FeuilleDeRoute.h"
#include "CompetitionEssai.h"
#include "Fixtures.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

using test::AjouteLigne;

// Number, four spaces, "Mr " and a name of 13 characters, two spaces, "Mme " and one of 12.
const std::string Paire1
    = "1    Mr Nord1" + std::string(8 + 2, ' ') + "Mme Sud1" + std::string(8, ' ');
const std::string Paire9
    = "9    Mr Nord9" + std::string(8 + 2, ' ') + "Mme Sud9" + std::string(8, ' ');
const std::string Paire10
    = "10    Mr Nord10" + std::string(7 + 2, ' ') + "Mme Sud10" + std::string(7, ' ');

FeuilleDeRoute FeuilleDe(const Competition& c, int paire)
{
    std::vector<Tclassemt> classement;
    EXPECT_TRUE(FaitClassement(c, classement));
    return FaitFeuilleDeRoute(c, paire, classement, FaitQualiteDuJeu(c, "french"), "french");
}

// Pair 1 meets pairs 9, 10, 11 and 12 for three boards each.
TEST(FaitFeuilleDeRoute, BoardsGroupsMeansAndParRows)
{
    const FeuilleDeRoute f = FeuilleDe(test::CompetitionEssai(), 1);
    EXPECT_EQ(f.Titre, "Feuille de route de la paire  NS  " + Paire1);
    ASSERT_EQ(f.Lignes.size(), 13u);
    ASSERT_EQ(f.Donnes.size(), 13u);
    EXPECT_EQ(f.Donnes[0],
        (std::vector<std::string> { "Donne", "Par", "Contrat", "Score NS", "Score EO", "%",
            "Equipes Adverses", "Moyenne" }));
    // The group's opponents and mean on its first row only: (71,42 + 71,42 + 100) / 3.
    EXPECT_EQ(f.Donnes[1],
        (std::vector<std::string> {
            "1 00", " 4P par NS  =", "  4P par N =", "420", "0", "71,42", Paire9, "80,94" }));
    EXPECT_EQ(f.Donnes[2][6], "");
    EXPECT_EQ(f.Donnes[2][7], "");
    EXPECT_EQ(f.Donnes[4],
        (std::vector<std::string> {
            "4 11", " 4P par NS  =", "  4P par N -1", "0", "100", "07,14", Paire10, "35,71" }));
    EXPECT_EQ(f.Donnes[7][7], "40,47");
    EXPECT_EQ(f.Donnes[8],
        (std::vector<std::string> {
            "8 11", " 4P par NS  =", " 3SA par S =", "600", "0", "42,85", "", "" }));
    // Board 10 (71,42), board 11 (100,00) and the passed-out board 12 (50,00).
    EXPECT_EQ(f.Donnes[10][7], "73,80");
    EXPECT_EQ(f.Donnes[12],
        (std::vector<std::string> { "12 11", "", "  PA par - -", "0", "0", "50,00", "", "" }));
    EXPECT_EQ(f.DebutsDeGroupe,
        (std::vector<bool> { false, true, false, false, true, false, false, true, false, false,
            true, false, false }));
    // 4P by either player, made or not, is the par contract; 3P, 5P, 3SA and PA are not.
    EXPECT_EQ(f.DrapeauxPar, (std::vector<int> { 0, 1, 1, 1, 1, 0, 1, 0, 0, 1, 1, 1, 0 }));
    EXPECT_EQ(f.Lignes[4].CodeVulnerabilite, 11);
    EXPECT_EQ(f.Lignes[3].CodeVulnerabilite, 1);
    EXPECT_EQ(f.Lignes[3].Adversaire, 9);
}

TEST(FaitFeuilleDeRoute, SummaryOfQualityAndRanking)
{
    const FeuilleDeRoute f = FeuilleDe(test::CompetitionEssai(), 1);
    ASSERT_EQ(f.Resume.size(), 3u);
    EXPECT_EQ(f.Resume[0][1], "Enchères");
    EXPECT_EQ(f.Resume[0][11], "Classement");
    // Conceded 57.15 % once in 12 deals (4.76), chance 21.42 x 5 / 12 = 8.925, 11 deals as
    // declarer for 642,80 and 12 in all for 692,80.
    EXPECT_EQ(f.Resume[1],
        (std::vector<std::string> { "Valeur", "-3", "-1", "- 5 %", "0", "- 0 %", "0", "1 [ 2- 1]",
            "9 %", "58,43 %", "–", "57,73 %" }));
    // Nobody defended better than a pair that never defended.
    EXPECT_EQ(f.Resume[2][4], "1 / 16");
    EXPECT_EQ(f.Resume[2][6], "1 / 16");
    EXPECT_EQ(f.Resume[2][10], "–");
}

TEST(FaitFeuilleDeRoute, EastWestPairAndEnglishTexts)
{
    const Competition c = test::CompetitionEssai();
    std::vector<Tclassemt> classement;
    ASSERT_TRUE(FaitClassement(c, classement));
    const FeuilleDeRoute f
        = FaitFeuilleDeRoute(c, 9, classement, FaitQualiteDuJeu(c, "french"), "anglais");
    EXPECT_EQ(f.Titre.rfind("Score sheet for the pair  EO  9    Mr Nord9", 0), 0u);
    EXPECT_EQ(f.Donnes[0][6], "Opponents");
    EXPECT_EQ(f.Resume[0][10], "Defendeur");
    EXPECT_EQ(f.Resume[1][9], "–");
    EXPECT_EQ(f.Resume[1][10], "50,71 %");
    // Pairs 1, 8, 7 and 6 in turn; board 11 was adjusted to 40 % for East-West.
    EXPECT_EQ(f.Lignes[4].Adversaire, 8);
    EXPECT_EQ(f.Lignes[11].TexteContrat, "   A par - -");
    EXPECT_DOUBLE_EQ(f.Lignes[11].Pourcentage, 40);
}

TEST(LibellePar, ParContractAndOutcome)
{
    board b;
    b.Plis[Sud][4] = 10;
    b.Plis[Ouest][5] = 7;
    b.Plis[Est][3] = 8;
    struct Cas {
        int contrat, camp;
        const char* texte;
    };
    const Cas cas[] = {
        { 19, 5, " 4P par NS  =" }, { 25, 6, "5SA par EO -4" }, // a sacrifice four down
        { 18, 4, " 4C par  E -2" }, { 0, 0, "" }, // no par
        { 19, 12, "" }, // both sides on one contract: no single side
    };
    for (const Cas& k : cas) {
        b.ContratPar = k.contrat;
        b.CampPar = k.camp;
        EXPECT_EQ(LibellePar(b), k.texte) << k.contrat;
    }
}

TEST(FaitFeuilleDeRoute, TeamMatchShowsIMPs)
{
    // Two tables, two teams: the last two slots are empty.
    Competition c = test::Tournoi(2, 2, "MPQ");
    c.Tournoi.Paires[3].Numero = c.Tournoi.Paires[4].Numero = 0;
    AjouteLigne(c, 1, { 1, 2, "4P", "N", "=", "RC", 420, 0, "6", "" });
    AjouteLigne(c, 1, { 2, 1, "2P", "N", "+2", "RC", 170, 0, "6", "" });
    c.Donnes[1].ResultatIMP = 6;
    AjouteLigne(c, 2, { 1, 2, "3SA", "S", "-1", "RC", 0, 50, "-5", "" });
    AjouteLigne(c, 2, { 2, 1, "2P", "N", "=", "RC", 110, 0, "-5", "" });
    c.Donnes[2].ResultatIMP = -5;
    const FeuilleDeRoute f = FeuilleDe(c, 2);
    EXPECT_EQ(f.Donnes[0][5], "IMP");
    ASSERT_EQ(f.Donnes.size(), 5u); // the team is at both tables of each deal
    EXPECT_EQ(f.Donnes[1][5], "-6");
    EXPECT_EQ(f.Donnes[2][5], "");
    EXPECT_EQ(f.Donnes[3][5], "5");
    EXPECT_EQ(f.Donnes[1][7], "-1");
    EXPECT_EQ(f.Resume[1][3], "–");
    EXPECT_EQ(f.Resume[1][11], "-1");
    EXPECT_EQ(f.Resume[2][11], "2 / 2");
}

} // namespace
} // namespace plio
