// Edge cases of the solver's entry point, on small hand-made positions.
#include "solver/ServicesSolveur.h"

#include <gtest/gtest.h>

#include <map>

namespace plio {
namespace {

constexpr std::uint8_t SansAtout = 0;
constexpr std::uint8_t Pique = 4;

using Mains = std::array<std::array<std::uint16_t, 5>, 5>;

// Hands from four "spades.hearts.diamonds.clubs" texts, South West North East.
Mains FaitMains(const char* sud, const char* ouest, const char* nord, const char* est)
{
    Mains m {};
    const char* textes[5] = { nullptr, sud, ouest, nord, est };
    for (int h = 1; h <= 4; ++h) {
        int couleur = 4;
        for (const char* c = textes[h]; *c; ++c) {
            if (*c == '.')
                --couleur;
            else
                m[h][couleur] |= MasqueRang[ValeurRang(*c)];
        }
    }
    return m;
}

ParametresSolveur Bloc(
    const Mains& mains, std::uint8_t atout, std::uint8_t entameur, TfutursPlis& r)
{
    ParametresSolveur p;
    p.Mains = mains;
    p.Atout = atout;
    p.Entameur = entameur;
    p.Resultat = &r;
    return p;
}

std::map<std::pair<int, int>, int> Valeurs(const TfutursPlis& r)
{
    std::map<std::pair<int, int>, int> v;
    for (int i = 1; i <= r.Nombre; ++i)
        v[{ r.Couleur[i], r.Rang[i] }] = r.Score[i];
    return v;
}

TEST(Solveur, InconsistentHandsGiveMinusOneWithoutSearch)
{
    Mains m
        = FaitMains("AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432.", "...AKQJT9876543");
    m[Nord][1] |= MasqueRang[0]; // North 14 cards, East 12 once the club two moves
    TfutursPlis r;
    SolveurDoubleMort solveur;
    for (int mode = 1; mode <= 2; ++mode) {
        ParametresSolveur p = Bloc(m, SansAtout, Sud, r);
        p.Mode = mode;
        solveur.ResoutPosition(p);
        EXPECT_EQ(r.Score[1], -1);
    }
    EXPECT_EQ(solveur.NombreNoeuds(), 0u);
}

TEST(Solveur, LastTrickAnswersWithoutSearch)
{
    // West ruffs South's heart lead with the only trump but the last one.
    const Mains m = FaitMains(".A..", "...2", ".K..", "2...");
    TfutursPlis r;
    SolveurDoubleMort solveur;
    for (auto [atout, attendu] : { std::pair { SansAtout, 1 }, std::pair { Pique, 0 } }) {
        ParametresSolveur p = Bloc(m, atout, Sud, r);
        p.Mode = 2;
        solveur.ResoutPosition(p);
        EXPECT_EQ(r.Nombre, 1);
        EXPECT_EQ(r.Score[1], attendu) << int(atout);
        EXPECT_EQ(r.Couleur[1], 3);
        EXPECT_EQ(r.Rang[1], 12);
    }
    EXPECT_EQ(solveur.NombreNoeuds(), 0u);
}

TEST(Solveur, LastTrickOverruffByPartnerWins)
{
    // South leads a heart; West ruffs low, North over-ruffs, East follows.
    const Mains m = FaitMains(".A...", "2....", "3....", ".K...");
    TfutursPlis r;
    SolveurDoubleMort solveur;
    ParametresSolveur p = Bloc(m, Pique, Sud, r);
    solveur.ResoutPosition(p);
    EXPECT_EQ(r.Score[1], 1);
}

TEST(Solveur, TopSequenceOfTheLeaderHasOneValue)
{
    // South holds AKQJ of spades over every other spade: the four are equal, each the best.
    const Mains m = FaitMains("AKQJ.2.2.", "T98.3.3.2", "765.4.4.3", "432.5.5.4");
    TfutursPlis r;
    SolveurDoubleMort solveur;
    ParametresSolveur p = Bloc(m, SansAtout, Sud, r);
    p.Mode = 2;
    solveur.ResoutPosition(p);
    const auto v = Valeurs(r);
    ASSERT_EQ(r.Nombre, 6);
    for (int rang = 9; rang <= 12; ++rang)
        EXPECT_EQ(v.at({ 4, rang }), 4);
    for (int i = 2; i <= r.Nombre; ++i)
        EXPECT_LE(r.Score[i], r.Score[i - 1]);
}

TEST(Solveur, SecondHandWithOneCardOfTheLedSuitHasOneEntry)
{
    // South led the spade two; West holds a single spade.
    const Mains m = FaitMains("3.AK..", "A.Q2.3.", "K.J3.4.", "Q.T4.5.");
    TfutursPlis r;
    SolveurDoubleMort solveur;
    ParametresSolveur p = Bloc(m, SansAtout, Sud, r);
    p.CouleursTable[1] = 4;
    p.RangsTable[1] = 0;
    p.Mode = 2;
    solveur.ResoutPosition(p);
    EXPECT_EQ(r.Joueur, Ouest);
    ASSERT_EQ(r.Nombre, 1);
    EXPECT_EQ(r.Couleur[1], 4);
    EXPECT_EQ(r.Rang[1], 12);
}

TEST(Solveur, SameQuestionTwiceGivesTheSameAnswer)
{
    const Mains m = FaitMains("AK3.Q2.K4.", "QJ2.K3.A2.", "T98.AJ.Q3.", "765.T9.J5.");
    TfutursPlis r;
    SolveurDoubleMort solveur;
    ParametresSolveur p = Bloc(m, SansAtout, Ouest, r);
    p.Mode = 2;
    p.LibereMotifs = SauterMemoire;
    solveur.ResoutPosition(p);
    const auto premier = Valeurs(r);
    p.CreeMotifs = SauterMemoire;
    solveur.ResoutPosition(p);
    EXPECT_EQ(Valeurs(r), premier);
    EXPECT_EQ(PlisMaximum(solveur, p), r.Score[1]);
}

TEST(Solveur, SeveralCorrectLeadsInOneSuitMakeOneMask)
{
    // North holds thirteen winners: every lead of East is as good, spades included.
    board b;
    const auto mains
        = LitMains("N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 7654.876.876.765 32.5432.5432.432");
    ASSERT_TRUE(mains);
    b.Couleurs = *mains;
    SolveurDoubleMort solveur;
    AnalyseDoubleMort(solveur, b);
    EXPECT_EQ(b.Plis[Nord][5], 13);
    // Against North's no trump East leads: every card is as good, all 13 are correct.
    int correctes = 0;
    for (int s = 1; s <= 4; ++s)
        correctes += std::popcount(unsigned(b.EntamesCorrectes[Est][5][s]));
    EXPECT_EQ(correctes, 13);
    EXPECT_EQ(b.EntamesCorrectes[Est][5][4], MasqueRang[8] | MasqueRang[7] | MasqueRang[6]);
}

TEST(LitMains, AcceptsAnyFirstSeatFrenchLettersAndVoids)
{
    const auto anglais
        = LitMains("N:AKQJT98765432 - - - .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432");
    EXPECT_FALSE(anglais); // five groups for North: not a deal
    const auto a
        = LitMains("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432");
    const auto b
        = LitMains("O:...ARDVX98765432 AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432.");
    const auto c
        = LitMains("S:..AKQJT98765432. ...AKQJT98765432 AKQJT98765432.-.-.- .AKQJT98765432.-.");
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(*a, *b);
    EXPECT_EQ(*a, *c);
    EXPECT_EQ((*a)[Nord][4], 0x1FFF);
    EXPECT_FALSE(LitMains("N:AKQ... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"));
    EXPECT_FALSE(LitMains("N:AKQJT98765432... AKQJT98765432... ..AKQJT98765432. ...AKQJT98765432"));
}

} // namespace
} // namespace plio
