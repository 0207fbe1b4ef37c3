#include "CompetitionEssai.h"
#include "model/Score.h"
#include "pbn/EcritureDialecte.h"
#include "pbn/FichierTexte.h"
#include "pbn/LectureFichier.h"
#include "tournament/Classement.h"
#include "tournament/Qualite.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace plio
