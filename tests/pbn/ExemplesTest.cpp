#include "pbn/EcritureDialecte.h"
#include "pbn/LectureFichier.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

const std::filesystem::path Exemples = std::filesystem::path(PLIO_SOURCE_DIR) / "examples";

struct Exemple {
    const char* fichier;
    const char* type;
    int donnes;
    int tables;
    const char* etat;
};

constexpr Exemple LesExemples[] = {
    { "Club_Exemple_TPP.pbn", "TPP", 8, 4, "DF" },
    { "Match_Exemple_MPQ.pbn", "MPQ", 8, 2, "DF" },
    { "Donne_Incomplete.pbn", "TPP", 3, 2, "I" },
};

TEST(Exemples, ReachTheirStateAndComeBackByteForByte)
{
    for (const Exemple& e : LesExemples)
        for (const char* langue : { "french", "anglais" }) {
            const LectureFichier lu = LitFichierPBN(Exemples / e.fichier, langue);
            ASSERT_TRUE(lu.resultat.reussi()) << e.fichier << " line " << lu.resultat.ligne;
            EXPECT_FALSE(lu.diagnostic.pbnOrdinaire);
            EXPECT_EQ(lu.competition.Tournoi.TypeCompetition, e.type);
            EXPECT_EQ(lu.competition.Tournoi.NombreDonnes, e.donnes);
            EXPECT_EQ(lu.competition.Tournoi.NombreTables, e.tables);
            EXPECT_EQ(lu.competition.EtatFichier, e.etat) << e.fichier;
            EXPECT_EQ(TexteFichierPBN(lu.competition, langue), lu.octets)
                << e.fichier << " " << langue;
        }
}

TEST(Exemples, PairsTournamentHasAPassedOutAndAnAdjustedLine)
{
    const LectureFichier lu = LitFichierPBN(Exemples / "Club_Exemple_TPP.pbn", "anglais");
    ASSERT_TRUE(lu.resultat.reussi());
    int passees = 0;
    int ajustees = 0;
    for (int b = 1; b <= lu.competition.Tournoi.NombreDonnes; ++b) {
        const board& d = lu.competition.Donnes[static_cast<std::size_t>(b)];
        EXPECT_TRUE(d.DonneValide);
        EXPECT_TRUE(d.FeuillesValides);
        for (int i = 1; i <= d.NombreFeuilles; ++i) {
            passees += d.Feuilles[static_cast<std::size_t>(i)].Contrat == "PA";
            ajustees += d.Feuilles[static_cast<std::size_t>(i)].Contrat == "A";
        }
    }
    EXPECT_GE(passees, 1);
    EXPECT_GE(ajustees, 1);
}

TEST(Exemples, IncompleteDealIsTheOnlyOneIncomplete)
{
    const LectureFichier lu = LitFichierPBN(Exemples / "Donne_Incomplete.pbn", "anglais");
    ASSERT_TRUE(lu.resultat.reussi());
    EXPECT_TRUE(lu.competition.Donnes[1].DonneValide);
    EXPECT_TRUE(lu.competition.Donnes[2].DonneValide);
    EXPECT_FALSE(lu.competition.Donnes[3].DonneValide);
}

} // namespace
} // namespace plio
