#include "model/VariablesGlobales.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

// North: AKQJ of spades, East: hearts, South: diamonds, West: clubs, each 13 cards.
const std::string kDealLine = R"([Deal "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"])";

int countCards(const board& b)
{
    int n = 0;
    for (int s = 1; s <= 4; ++s)
        for (int c = 1; c <= 4; ++c)
            for (int r = 0; r <= 12; ++r) n += b.Cartes[s][c][r];
    return n;
}

TEST(LitDonne, CompleteLineFillsCardsAndMasks)
{
    board b;
    b.LigneDonne = kDealLine;
    ASSERT_EQ(kDealLine.size(), 78u);
    EXPECT_TRUE(LitDonne(b));
    EXPECT_EQ(b.Couleurs[Nord][4], 0x1FFF);
    EXPECT_EQ(b.Couleurs[Est][3], 0x1FFF);
    EXPECT_EQ(b.Couleurs[Sud][2], 0x1FFF);
    EXPECT_EQ(b.Couleurs[Ouest][1], 0x1FFF);
    EXPECT_TRUE(b.Cartes[Nord][4][12]);
    EXPECT_FALSE(b.Cartes[Nord][3][12]);
    EXPECT_EQ(countCards(b), 52);
}

TEST(LitDonne, FrenchLettersAndWestOrOuestStart)
{
    board en, fr, o;
    en.LigneDonne = R"([Deal "W:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"])";
    fr.LigneDonne = R"([Deal "W:ARDVX98765432... .ARDVX98765432.. ..ARDVX98765432. ...ARDVX98765432"])";
    o.LigneDonne = R"([Deal "O:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"])";
    EXPECT_TRUE(LitDonne(en));
    EXPECT_TRUE(LitDonne(fr));
    EXPECT_TRUE(LitDonne(o));
    EXPECT_EQ(en.Couleurs, fr.Couleurs);
    EXPECT_EQ(en.Couleurs, o.Couleurs);
    EXPECT_EQ(en.Couleurs[Ouest][4], 0x1FFF);
    EXPECT_EQ(en.Couleurs[Nord][3], 0x1FFF);
}

TEST(LitDonne, LineOfWrongLengthIsIncompleteButRead)
{
    board shorter, longer;
    shorter.LigneDonne = kDealLine.substr(0, 77);
    longer.LigneDonne = kDealLine + " ";
    EXPECT_FALSE(LitDonne(shorter));
    EXPECT_FALSE(LitDonne(longer));
    EXPECT_EQ(countCards(longer), 52);
    EXPECT_EQ(countCards(shorter), 52); // the closing bracket is what was cut
}

TEST(LitDonne, GarbageNeverWritesOutsideTheTables)
{
    board b;
    b.LigneDonne = R"([Deal "N:A.K.Q.J.T.9.8 ?? Z.... .... ...... 2"])";
    EXPECT_FALSE(LitDonne(b));
    EXPECT_TRUE(b.Cartes[Nord][4][12]);
    EXPECT_TRUE(b.Cartes[Nord][1][9]);
    EXPECT_EQ(countCards(b), 5); // A K Q J and the last 2; T 9 8 fall beyond the clubs
}

TEST(DimensionnePaires, KeepsExistingPairsAndSizesTwoNPlusOne)
{
    Ttournoi t;
    DimensionnePaires(t, 2);
    t.Paires[3].Numero = 3;
    t.Paires[3].Joueur1 = "H$Martin";
    DimensionnePaires(t, 3);
    ASSERT_EQ(t.Paires.size(), 7u);
    EXPECT_EQ(t.Paires[3].Joueur1, "H$Martin");
    EXPECT_EQ(t.Paires[6].Numero, 0);
    EXPECT_TRUE(t.Paires[6].Joueur1.empty());
}

TEST(ReinitialiseTournoi, EmptiesHeader)
{
    Ttournoi t;
    t.TypeCompetition = "TPP";
    t.NomCompetition = "Club";
    t.NomFichier = "/x.pbn";
    t.NombreDonnes = 12;
    t.NombreTables = 4;
    t.Mode = "saisir";
    t.ListeChoisie = "amis.txt";
    ReinitialiseTournoi(t);
    EXPECT_EQ(t, Ttournoi {});
}

TEST(Vulnerabilite, FlagsByWord)
{
    using F = std::array<std::int32_t, 5>;
    EXPECT_EQ(DrapeauxVulnerabilite("None"), (F { 0, 0, 0, 0, 0 }));
    EXPECT_EQ(DrapeauxVulnerabilite("Love"), (F { 0, 0, 0, 0, 0 }));
    EXPECT_EQ(DrapeauxVulnerabilite("NS"), (F { 0, 1, 0, 1, 0 }));
    EXPECT_EQ(DrapeauxVulnerabilite("EW"), (F { 0, 0, 1, 0, 1 }));
    EXPECT_EQ(DrapeauxVulnerabilite("All"), (F { 0, 1, 1, 1, 1 }));
    EXPECT_EQ(DrapeauxVulnerabilite("Bo"), (F { 0, 1, 1, 1, 1 }));
    EXPECT_EQ(DrapeauxVulnerabilite("Tous!"), (F { 0, 0, 0, 0, 0 }));
}

} // namespace
} // namespace plio
