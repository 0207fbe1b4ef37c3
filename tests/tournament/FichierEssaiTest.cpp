#include "CompetitionEssai.h"
#include "Fixtures.h"
#include "model/Score.h"
#include "pbn/EcritureDialecte.h"
#include "pbn/FichierTexte.h"
#include "pbn/LectureFichier.h"
#include "tournament/Classement.h"
#include "tournament/FeuilleDeRoute.h"
#include "tournament/Qualite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace plio {
namespace {

// The file the command-line tests read is the test competition as the program writes it.
TEST(FichierEssai, IsTheTestCompetitionWritten)
{
    const std::optional<std::string> octets = LitOctets(test::FichierEssai());
    ASSERT_TRUE(octets.has_value());
    EXPECT_EQ(*octets, TexteFichierPBN(test::CompetitionEssai(), "french"));
}

TEST(FichierEssai, ReadBackGivesTheSameFigures)
{
    LectureFichier lecture = LitFichierPBN(test::FichierEssai(), "french");
    ASSERT_TRUE(lecture.resultat.reussi()) << lecture.resultat.message;
    Competition& lue = lecture.competition;
    EXPECT_EQ(lue.EtatFichier, "DFA");
    // Opening an analysed file recomputes the contract scores from the stored tricks.
    for (int k = 1; k <= lue.Tournoi.NombreDonnes; ++k)
        for (int declarant = 1; declarant <= 4; ++declarant)
            for (int strain = 1; strain <= 5; ++strain)
                CalculeScoresContrats(lue.Donnes[k], declarant, strain);

    const Competition memoire = test::CompetitionEssai();
    std::vector<Tclassemt> classementLu, classementMemoire;
    ASSERT_TRUE(FaitClassement(lue, classementLu));
    ASSERT_TRUE(FaitClassement(memoire, classementMemoire));
    EXPECT_EQ(classementLu, classementMemoire);
    EXPECT_EQ(FaitQualiteDuJeu(lue, "french"), FaitQualiteDuJeu(memoire, "french"));
}

// A team match written and read back: the IMPs of each deal come from the file.
TEST(FichierEssai, TeamMatchRanksOnTheIMPsOfTheFile)
{
    Competition c = test::Tournoi(1, 2, "MPQ");
    const test::Ligne salles[3][2] = { {},
        { { 1, 2, "4P", "N", "=", "RC", 420, 0, "", "" },
            { 2, 1, "2P", "N", "+2", "RC", 170, 0, "", "" } },
        { { 1, 2, "3SA", "S", "-1", "AP", 0, 50, "", "" },
            { 2, 1, "2P", "N", "=", "RC", 110, 0, "", "" } } };
    for (int k = 1; k <= 2; ++k) {
        board& b = c.Donnes[static_cast<std::size_t>(k)];
        b.LigneDonne
            = R"([Deal "N:AKQJ2.K32.A32.32 543.AQJ.QJ54.AKQ T9876.54.K76.J54 .T9876.T98.T9876"])";
        LitDonne(b);
        for (int siege = 1; siege <= 4; ++siege)
            for (int strain = 1; strain <= 5; ++strain)
                b.Plis[siege][strain] = 6;
        for (const test::Ligne& salle : salles[k])
            test::AjouteLigne(c, k, salle);
        ResultatMatch(b);
        for (ResultsSheet& f : b.Feuilles)
            f.PourcentNS = std::to_string(b.ResultatIMP);
    }
    const std::filesystem::path chemin
        = std::filesystem::path(::testing::TempDir()) / "Match_Essai.pbn";
    std::ofstream(chemin, std::ios::binary) << TexteFichierPBN(c, "french");

    LectureFichier lecture = LitFichierPBN(chemin, "french");
    std::filesystem::remove(chemin);
    ASSERT_TRUE(lecture.resultat.reussi()) << lecture.resultat.message;
    const Competition& lue = lecture.competition;
    ASSERT_EQ(lue.EtatFichier, "DFA");
    // Deal 1: 420 against 170, 6 IMPs to team 1; deal 2: -50 and -110, 4 IMPs to team 2.
    EXPECT_EQ(lue.Donnes[1].ResultatIMP, 6);
    EXPECT_EQ(lue.Donnes[2].ResultatIMP, -4);
    std::vector<Tclassemt> classement;
    ASSERT_TRUE(FaitClassement(lue, classement));
    EXPECT_EQ(classement[1].TotalIMP, 2);
    EXPECT_EQ(classement[1].RangTotal, 1);
    EXPECT_EQ(classement[2].RangTotal, 2);
    const FeuilleDeRoute feuille
        = FaitFeuilleDeRoute(lue, 2, classement, FaitQualiteDuJeu(lue, "french"), "french");
    ASSERT_EQ(feuille.Donnes.size(), 5u);
    EXPECT_EQ(feuille.Donnes[1][5], "-6");
    EXPECT_EQ(feuille.Donnes[3][5], "4");
    EXPECT_EQ(feuille.Donnes[1][7], "-2");
}

} // namespace
} // namespace plio
