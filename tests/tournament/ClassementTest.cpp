#include "tournament/Classement.h"
#include "Fixtures.h"
#include "tournament/NomAffiche.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

using test::AjouteLigne;

// Four pairs ending on 55, 50, 45, 50. Pair 1 only declared, pair 2 only defended; deal 2 at
// table 1 was passed out and counts in the totals only.
Competition QuatrePaires()
{
    Competition c = test::Tournoi(2, 2);
    AjouteLigne(c, 1, { 1, 3, "4P", "N", "=", "2C", 420, 0, "60,00", "40,00" });
    AjouteLigne(c, 1, { 2, 4, "3SA", "E", "+1", "2T", 0, 430, "50,00", "50,00" });
    AjouteLigne(c, 2, { 1, 4, "PA", "-", "-", "-", 0, 0, "50,00", "50,00" });
    AjouteLigne(c, 2, { 2, 3, "2C", "O", "=", "AP", 0, 110, "50,00", "50,00" });
    return c;
}

TEST(FaitClassement, AveragesOverTheDealsEachSidePlayed)
{
    std::vector<Tclassemt> lignes;
    ASSERT_TRUE(FaitClassement(QuatrePaires(), lignes));
    ASSERT_EQ(lignes.size(), 5u);
    struct Attendu {
        double total, declarant, defense;
        int nb, nbDeclarant, nbDefense;
    };
    const Attendu attendus[] = {
        {},
        { 55, 60, 0, 2, 1, 0 },
        { 50, 0, 50, 2, 0, 2 },
        { 45, 50, 40, 2, 1, 1 },
        { 50, 50, 0, 2, 1, 0 },
    };
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(lignes[p].NumeroPaire, p);
        EXPECT_DOUBLE_EQ(lignes[p].MoyenneTotale, attendus[p].total);
        EXPECT_DOUBLE_EQ(lignes[p].MoyenneDeclarant, attendus[p].declarant);
        EXPECT_DOUBLE_EQ(lignes[p].MoyenneDefense, attendus[p].defense);
        EXPECT_EQ(lignes[p].NbDonnes, attendus[p].nb);
        EXPECT_EQ(lignes[p].NbDonnesDeclarant, attendus[p].nbDeclarant);
        EXPECT_EQ(lignes[p].NbDonnesDefense, attendus[p].nbDefense);
    }
}

TEST(FaitClassement, TiesShareARankAndTheNextIsSkipped)
{
    std::vector<Tclassemt> lignes;
    const Competition c = QuatrePaires();
    ASSERT_TRUE(FaitClassement(c, lignes));
    // Totals 55, 50, 45, 50.
    EXPECT_EQ(lignes[1].RangTotal, 1);
    EXPECT_EQ(lignes[2].RangTotal, 2);
    EXPECT_EQ(lignes[4].RangTotal, 2);
    EXPECT_EQ(lignes[3].RangTotal, 4);
    // As declarer 60, none, 50, 50: a pair that never declared comes after every other.
    EXPECT_EQ(lignes[1].RangDeclarant, 1);
    EXPECT_EQ(lignes[3].RangDeclarant, 2);
    EXPECT_EQ(lignes[4].RangDeclarant, 2);
    EXPECT_EQ(lignes[2].RangDeclarant, 4);
    // In defence none, 50, 40, none.
    EXPECT_EQ(lignes[2].RangDefense, 1);
    EXPECT_EQ(lignes[3].RangDefense, 2);
    EXPECT_EQ(lignes[1].RangDefense, 3);
    EXPECT_EQ(lignes[4].RangDefense, 3);
    EXPECT_FALSE(ValeurDeclarant(lignes[2]).has_value());
    EXPECT_FALSE(ValeurDefense(lignes[4]).has_value());

    TrieClassement(lignes, c.Tournoi);
    std::vector<int> ordre;
    for (std::size_t i = 1; i < lignes.size(); ++i)
        ordre.push_back(lignes[i].NumeroPaire);
    EXPECT_EQ(ordre, (std::vector<int> { 1, 2, 4, 3 }));
    ASSERT_NE(LigneDePaire(lignes, 3), nullptr);
    EXPECT_EQ(LigneDePaire(lignes, 3)->RangTotal, 4);
}

TEST(FaitClassement, OnlyAnAnalysedValidFileHasARanking)
{
    for (const char* etat : { "I", "D", "DA", "DF" }) {
        Competition c = QuatrePaires();
        c.EtatFichier = etat;
        std::vector<Tclassemt> lignes(3);
        lignes[1].NumeroPaire = 77;
        EXPECT_FALSE(FaitClassement(c, lignes)) << etat;
        EXPECT_EQ(lignes[1].NumeroPaire, 77) << etat;
    }
}

TEST(FaitClassement, UnusedSlotsAndIdlePairs)
{
    Competition c = QuatrePaires();
    c.Tournoi.Paires[3].Numero = 0; // the slot of pair 3 is empty: its sheets match nobody
    std::vector<Tclassemt> lignes;
    ASSERT_TRUE(FaitClassement(c, lignes));
    EXPECT_EQ(lignes[3].RangTotal, 1);
    EXPECT_EQ(lignes[3].NbDonnes, 0);
    EXPECT_EQ(lignes[4].RangTotal, 2); // 55 and 50, 50: pair 3 is no longer compared
    EXPECT_EQ(lignes[2].RangTotal, 2);

    // A pair that played nothing has no total and comes last, whatever the others' totals.
    Competition idle = QuatrePaires();
    idle.Tournoi.NombreTables = 3;
    DimensionnePaires(idle.Tournoi, 3);
    idle.Tournoi.Paires[5].Numero = 5;
    ASSERT_TRUE(FaitClassement(idle, lignes));
    EXPECT_FALSE(ValeurTotale(lignes[5], idle.Tournoi).has_value());
    EXPECT_EQ(lignes[5].RangTotal, 5);
    TrieClassement(lignes, idle.Tournoi);
    EXPECT_EQ(lignes[5].NumeroPaire + lignes[6].NumeroPaire, 5); // 5 and the empty slot last
}

TEST(FaitClassement, TeamMatchRanksTheTeamsByIMPsWon)
{
    Competition c = test::Tournoi(1, 3, "MPQ");
    const int imps[] = { 0, 5, -12, 3 };
    for (int k = 1; k <= 3; ++k) {
        AjouteLigne(c, k, { 1, 2, "4P", "N", "=", "2C", 420, 0, std::to_string(imps[k]), "" });
        AjouteLigne(c, k, { 2, 1, "3P", "N", "+1", "2C", 170, 0, "", "" });
        c.Donnes[k].ResultatIMP = imps[k];
    }
    std::vector<Tclassemt> lignes;
    ASSERT_TRUE(FaitClassement(c, lignes));
    EXPECT_EQ(lignes[1].TotalIMP, -4);
    EXPECT_EQ(lignes[2].TotalIMP, 4);
    EXPECT_EQ(lignes[1].NbDonnes, 3);
    EXPECT_EQ(lignes[2].RangTotal, 1);
    EXPECT_EQ(lignes[1].RangTotal, 2);
}

// Pair numbers need not be the positions of the pairs in the list.
TEST(FaitClassement, PairNumbersAreNotPositions)
{
    Competition c = QuatrePaires();
    for (std::size_t p = 1; p <= 4; ++p)
        c.Tournoi.Paires[p].Numero = static_cast<int>(100 + p);
    for (board& b : c.Donnes)
        for (ResultsSheet& f : b.Feuilles) {
            f.PaireNS += 100;
            f.PaireEO += 100;
        }
    std::vector<Tclassemt> lignes;
    ASSERT_TRUE(FaitClassement(c, lignes));
    EXPECT_EQ(lignes[3].NumeroPaire, 103);
    EXPECT_DOUBLE_EQ(lignes[3].MoyenneTotale, 45);
    EXPECT_EQ(lignes[3].RangTotal, 4);
    EXPECT_EQ(IndexDePaire(c.Tournoi, 103), 3);
    EXPECT_EQ(IndexDePaire(c.Tournoi, 3), 0);
    TrieClassement(lignes, c.Tournoi);
    ASSERT_NE(LigneDePaire(lignes, 101), nullptr);
    EXPECT_EQ(LigneDePaire(lignes, 101)->RangTotal, 1);
}

TEST(NomAffiche, TitleAndNameFittedToSixteenCharacters)
{
    const std::tuple<const char*, const char*, const char*> cas[] = {
        { "F$Dupont", "french", "Mme Dupont      " },
        { "F$Dupont", "anglais", "Mrs Dupont      " },
        { "H$Martin", "french", "Mr Martin       " },
        { "H$Delacroix-Beaumont", "anglais", "Mr Delacroix-Bea" },
        { "F$Delacroix-Beaumont", "french", "Mme Delacroix-Be" },
        { "Équipe Nord", "french", "Mr Équipe Nord  " },
    };
    for (const auto& [stocke, langue, affiche] : cas) {
        EXPECT_EQ(NomAffiche(stocke, langue), affiche) << stocke;
    }
}

} // namespace
} // namespace plio
