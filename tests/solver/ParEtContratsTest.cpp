// Best contracts and par on constructed score rows: the routine reads ScoreContrat and Plis only.
#include "solver/ParEtContrats.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

constexpr int Code(int niveau, int strain)
{
    return 5 * (niveau - 1) + strain;
}

// Every contract of every seat fails, the more the higher, unless a test says otherwise.
board DonneSansContrat()
{
    board b;
    for (int siege = 1; siege <= 4; ++siege)
        for (int strain = 1; strain <= 5; ++strain)
            for (int niveau = 1; niveau <= 7; ++niveau)
                b.ScoreContrat[siege][strain][niveau] = -300 * niveau;
    return b;
}

void Fixe(board& b, int siege, int niveau, int strain, int score)
{
    b.ScoreContrat[siege][strain][niveau] = score;
}

TEST(MeilleursContrats, EqualScoresGoToTheHigherContract)
{
    board b = DonneSansContrat();
    Fixe(b, Nord, 2, 4, 140);
    Fixe(b, Nord, 3, 1, 140);
    Fixe(b, Nord, 1, 5, 90);
    MeilleursContratsEtPar(b);
    EXPECT_EQ(b.MeilleurContrat[Nord], Code(3, 1));
    // Every one-level contract costs the same: one no trump, the highest, is the best.
    EXPECT_EQ(b.MeilleurContrat[Est], Code(1, 5));
}

struct CasPar {
    const char* nom;
    int sacrificeEO; // score of East-West's 5 hearts, doubled when it fails
    int contratPar;
    int campPar;
};

class ParSacrifice : public ::testing::TestWithParam<CasPar> { };

TEST_P(ParSacrifice, SacrificeIsTakenWhenItCostsNoMoreThanTheGame)
{
    const CasPar cas = GetParam();
    board b = DonneSansContrat();
    Fixe(b, Sud, 4, 4, 420);
    Fixe(b, Nord, 4, 4, 420);
    b.Plis[Sud][4] = 10;
    b.Plis[Nord][4] = 10;
    Fixe(b, Est, 5, 3, cas.sacrificeEO);
    b.Plis[Est][3] = 8;
    b.Plis[Ouest][3] = 7;
    Fixe(b, Sud, 5, 4, -100); // North-South cannot outbid the sacrifice profitably
    MeilleursContratsEtPar(b);
    EXPECT_EQ(b.ContratPar, cas.contratPar) << cas.nom;
    EXPECT_EQ(b.CampPar, cas.campPar) << cas.nom;
}

INSTANTIATE_TEST_SUITE_P(Par, ParSacrifice,
    ::testing::Values(CasPar { "costs more than the game", -500, Code(4, 4), 5 },
        CasPar { "costs less than the game", -300, Code(5, 3), 4 },
        CasPar { "costs exactly the game", -420, Code(5, 3), 4 }));

TEST(Par, OutbidSideIsTestedAgainAboveTheSacrifice)
{
    board b = DonneSansContrat();
    Fixe(b, Nord, 4, 4, 420);
    Fixe(b, Ouest, 5, 3, -300);
    Fixe(b, Sud, 5, 4, 450); // North-South make five spades over the sacrifice
    b.Plis[Sud][4] = 11;
    b.Plis[Nord][4] = 10;
    MeilleursContratsEtPar(b);
    EXPECT_EQ(b.ContratPar, Code(5, 4));
    EXPECT_EQ(b.CampPar, Sud);
}

TEST(Par, BothSidesOnTheSameContractShareTheCode)
{
    board b = DonneSansContrat();
    Fixe(b, Sud, 3, 5, 400);
    Fixe(b, Ouest, 3, 5, 400);
    b.Plis[Sud][5] = 9;
    b.Plis[Nord][5] = 8;
    b.Plis[Ouest][5] = 9;
    b.Plis[Est][5] = 9;
    // Nobody can bid over three no trump without losing more than the other side scores.
    for (int c = Code(3, 5) + 1; c <= 35; ++c) {
        const int niveau = (c - 1) / 5 + 1;
        const int strain = (c - 1) % 5 + 1;
        for (int siege = 1; siege <= 4; ++siege)
            Fixe(b, siege, niveau, strain, -500);
    }
    MeilleursContratsEtPar(b);
    EXPECT_EQ(b.ContratPar, Code(3, 5));
    EXPECT_EQ(b.CampPar, 61);
    EXPECT_EQ(CampParEnLettres(b.CampPar), "EW+S");
}

TEST(Par, NoContractMakesStillGivesOne)
{
    board b = DonneSansContrat();
    Fixe(b, Est, 1, 2, -50);
    Fixe(b, Sud, 1, 1, -100);
    b.Plis[Est][2] = 6;
    b.Plis[Ouest][2] = 6;
    MeilleursContratsEtPar(b);
    EXPECT_GT(b.ContratPar, 0);
    EXPECT_NE(b.CampPar, 0);
}

TEST(Par, SideLettersOfEveryCode)
{
    EXPECT_EQ(CampParEnLettres(1), "S");
    EXPECT_EQ(CampParEnLettres(2), "W");
    EXPECT_EQ(CampParEnLettres(3), "N");
    EXPECT_EQ(CampParEnLettres(4), "E");
    EXPECT_EQ(CampParEnLettres(5), "NS");
    EXPECT_EQ(CampParEnLettres(6), "EW");
    EXPECT_EQ(CampParEnLettres(21), "W+S");
    EXPECT_EQ(CampParEnLettres(65), "EW+NS");
}

} // namespace
} // namespace plio
