// The analysis of a whole competition: same results on any number of threads, by file state.
#include "solver/AnalyseCompetition.h"
#include "solver/ServicesSolveur.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

// Deals quick to solve: long solid suits.
Competition CompetitionFacile()
{
    const char* textes[] = {
        "N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 7654.876.876.765 32.5432.5432.432",
        "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432",
        "E:AKQJT9876.5432.. 5432.AKQJT9876.. ..AKQJT9876.5432 ..5432.AKQJT9876",
        "S:AK32.AK32.AK3.A2 QJ54.QJ54.QJ4.Q3 T98.T98.T98.T987 76.76.7652.KJ654",
    };
    Competition c;
    for (const char* t : textes) {
        board b;
        b.Indice = static_cast<int>(c.Donnes.size());
        const auto mains = LitMains(t);
        EXPECT_TRUE(mains) << t;
        if (mains) b.Couleurs = *mains;
        c.Donnes.push_back(b);
    }
    c.Tournoi.NombreDonnes = static_cast<int>(c.Donnes.size()) - 1;
    c.EtatFichier = "D";
    return c;
}

TEST(AnalyseCompetition, SameResultsWhateverTheNumberOfThreads)
{
    Competition une = CompetitionFacile();
    Competition trois = CompetitionFacile();
    std::vector<int> progression;
    OptionsAnalyse options;
    options.Progression = [&](int faites, int total) {
        EXPECT_EQ(total, 4);
        progression.push_back(faites);
    };
    EXPECT_EQ(AnalyseCompetition(une, options), IssueAnalyse::Terminee);
    EXPECT_EQ(progression, (std::vector<int> { 1, 2, 3, 4 }));
    options.Taches = 3;
    options.Progression = nullptr;
    EXPECT_EQ(AnalyseCompetition(trois, options), IssueAnalyse::Terminee);
    EXPECT_EQ(une.Donnes, trois.Donnes);
    for (int d = 1; d <= 4; ++d) {
        EXPECT_TRUE(DonneAnalysee(une.Donnes[d]));
        EXPECT_NE(une.Donnes[d].ContratPar, 0);
    }
    EXPECT_EQ(une.Donnes[1].Plis[Nord][5], 13);
    EXPECT_EQ(une.Donnes[1].ScoreContrat[Nord][5][7], 1520);
}

TEST(AnalyseCompetition, AnalysedFileOnlyGetsItsContractScores)
{
    Competition c = CompetitionFacile();
    c.EtatFichier = "DFA";
    c.Donnes[1].Plis[Nord][5] = 9;
    EXPECT_EQ(AnalyseCompetition(c), IssueAnalyse::Terminee);
    EXPECT_EQ(c.Donnes[1].Plis[Nord][5], 9);
    EXPECT_EQ(c.Donnes[1].ScoreContrat[Nord][5][3], 400);
    EXPECT_EQ(c.Donnes[1].ContratPar, 0);
}

TEST(AnalyseCompetition, IncompleteFileOrCancelledRunSolvesNothing)
{
    Competition c = CompetitionFacile();
    c.EtatFichier = "I";
    EXPECT_EQ(AnalyseCompetition(c), IssueAnalyse::RienAFaire);
    EXPECT_FALSE(DonneAnalysee(c.Donnes[1]));

    c.EtatFichier = "DF";
    const std::atomic<bool> annulee { true };
    OptionsAnalyse options;
    options.Annulation = &annulee;
    options.Taches = 2;
    EXPECT_EQ(AnalyseCompetition(c, options), IssueAnalyse::Annulee);
    for (int d = 1; d <= 4; ++d)
        EXPECT_FALSE(DonneAnalysee(c.Donnes[d]));
}

} // namespace
} // namespace plio
