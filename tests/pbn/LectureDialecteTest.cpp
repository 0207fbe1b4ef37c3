#include "pbn/LectureDialecte.h"

#include "Fabrique.h"
#include "pbn/EcritureDialecte.h"
#include "pbn/FichierTexte.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace plio {
namespace {

struct Lu {
    ResultatFichier resultat;
    Competition competition;
    DiagnosticLecture diagnostic;
    std::string etat() const { return EtatDeFichier(diagnostic.drapeaux); }
};

Lu Lis(const std::vector<std::string>& lignes)
{
    Lu lu;
    lu.resultat = LitDialecte(lignes, lu.competition, lu.diagnostic);
    return lu;
}

std::vector<std::string> Lignes(const Competition& c)
{
    return DecoupeLignes(TexteFichierPBN(c, "anglais"));
}

// Index (from 0) of the first line starting with `debut` at or after `depuis`.
std::size_t Trouve(
    const std::vector<std::string>& lignes, std::string_view debut, std::size_t depuis = 0)
{
    for (std::size_t i = depuis; i < lignes.size(); ++i)
        if (lignes[i].starts_with(debut)) return i;
    ADD_FAILURE() << "no line starts with " << debut;
    return 0;
}

TEST(LectureDialecte, ReadsBackWhatTheWriterWrote)
{
    for (const char* type : { "TPP", "MPQ" }) {
        Competition c = test::CompetitionDeTest(type, 2, 3);
        c.Donnes[2].Plis[3][5] = 10;
        c.Donnes[2].EntamesCorrectes[1][5][2] = 4096 + 8;
        c.Donnes[2].ContratPar = 15;
        c.Donnes[2].CampPar = 5;
        c.Donnes[2].MeilleurContrat = { 0, 15, 0, 15, 0 };
        c.Donnes[2].ScoreContrat[1][5][3] = 400;
        c.Donnes[2].ScoreContratParPalier[1][3][5] = 400;
        c.Donnes[3].Feuilles[2]
            = { 0, 2, 4, c.Donnes[3].Feuilles[2].NomsNS, c.Donnes[3].Feuilles[2].NomsEO, "PA", "-",
                  "-", "-", 0, 0, std::string(type) == "MPQ" ? "3" : "50,00", "" };
        if (std::string(type) == "TPP") c.Donnes[3].Feuilles[2].PourcentEO = "50,00";
        // What a file of the program holds comes back whole.
        Lu lu = Lis(Lignes(c));
        ASSERT_TRUE(lu.resultat.reussi()) << type;
        c.EtatFichier.clear();
        EXPECT_EQ(lu.competition, c) << type;
        EXPECT_EQ(lu.etat(), "DF") << type;
    }
}

TEST(LectureDialecte, AnalysisStateNeedsEveryDealAnalysed)
{
    Competition c = test::CompetitionDeTest("TPP", 1, 2);
    EXPECT_EQ(Lis(Lignes(c)).etat(), "DF"); // zeros written before any analysis
    c.Donnes[2].Plis[1][1] = 7;
    EXPECT_EQ(Lis(Lignes(c)).etat(), "DF");
    c.Donnes[1].Plis[4][2] = 13;
    EXPECT_EQ(Lis(Lignes(c)).etat(), "DFA");
}

TEST(LectureDialecte, OrderOfTheDealerVulnerabilityAndDealLines)
{
    auto lignes = Lignes(test::CompetitionDeTest("TPP", 1, 1));
    const std::size_t donneur = Trouve(lignes, "[Dealer");
    lignes[donneur] = "[Dealer \"\"]";
    lignes[donneur + 1] = "[Vulnerable \"\"]";
    Lu avant = Lis(lignes);
    EXPECT_TRUE(avant.competition.Donnes[1].DonneValide);
    EXPECT_EQ(avant.etat(), "DF");
    // The same empty lines after the deal line leave the deal incomplete.
    std::rotate(lignes.begin() + static_cast<long>(donneur),
        lignes.begin() + static_cast<long>(donneur) + 2,
        lignes.begin() + static_cast<long>(donneur) + 3);
    Lu apres = Lis(lignes);
    EXPECT_FALSE(apres.competition.Donnes[1].DonneValide);
    EXPECT_EQ(apres.etat(), "I");
}

TEST(LectureDialecte, VulnerabilityWordLengths)
{
    struct Cas {
        const char* ligne;
        const char* mot;
        bool nordSud;
    };
    for (const auto& [ligne, mot, nordSud] :
        { Cas { "[Vulnerable \"NS\"]", "NS", true }, Cas { "[Vulnerable \"All\"]", "All", true },
            Cas { "[Vulnerable \"Love\"]", "Love", false },
            Cas { "[Vulnerable \"Toute\"]", "", false } }) {
        auto lignes = Lignes(test::CompetitionDeTest("TPP", 1, 1)); // written as "None"
        lignes[Trouve(lignes, "[Vulnerable")] = ligne;
        Lu lu = Lis(lignes);
        ASSERT_TRUE(lu.resultat.reussi());
        EXPECT_EQ(lu.competition.Donnes[1].Vulnerabilite, mot) << ligne;
        EXPECT_EQ(lu.competition.Donnes[1].Vulnerable[Nord], nordSud ? 1 : 0) << ligne;
        EXPECT_EQ(lu.competition.Donnes[1].Vulnerable[Est], std::string(mot) == "All" ? 1 : 0)
            << ligne;
    }
}

TEST(LectureDialecte, DealLinesOfTheWrongLengthAreIncomplete)
{
    for (const int ecart : { -1, 1 }) {
        auto lignes = Lignes(test::CompetitionDeTest("TPP", 1, 2));
        std::string& ligne = lignes[Trouve(lignes, "[Deal \"")];
        if (ecart < 0)
            ligne.erase(10, 1);
        else
            ligne.insert(10, "2");
        Lu lu = Lis(lignes);
        ASSERT_TRUE(lu.resultat.reussi());
        EXPECT_FALSE(lu.competition.Donnes[1].DonneValide);
        EXPECT_TRUE(lu.competition.Donnes[2].DonneValide);
        // An incomplete first deal is not hidden by a complete last one.
        EXPECT_EQ(lu.etat(), "I");
    }
}

TEST(LectureDialecte, BlocksWithoutOrWithAnEmptySheetTable)
{
    auto lignes = Lignes(test::CompetitionDeTest("TPP", 4, 2));
    const std::size_t table = Trouve(lignes, "[ScoreTable");
    lignes.erase(
        lignes.begin() + static_cast<long>(table), lignes.begin() + static_cast<long>(table) + 5);
    Lu sansTable = Lis(lignes);
    ASSERT_TRUE(sansTable.resultat.reussi());
    EXPECT_EQ(sansTable.competition.Donnes[1].NombreFeuilles, 4);
    EXPECT_EQ(sansTable.competition.Donnes[1].Feuilles, std::vector<ResultsSheet>(5));
    EXPECT_FALSE(sansTable.competition.Donnes[1].FeuillesValides);
    EXPECT_TRUE(sansTable.competition.Donnes[2].FeuillesValides);
    EXPECT_EQ(sansTable.etat(), "D");

    lignes.insert(lignes.begin() + static_cast<long>(table), "[ScoreTable 0]");
    Lu tableVide = Lis(lignes);
    ASSERT_TRUE(tableVide.resultat.reussi());
    EXPECT_EQ(tableVide.competition.Donnes[1].NombreFeuilles, 0);
    EXPECT_EQ(tableVide.etat(), "D");
}

TEST(LectureDialecte, TeamMatchLinesAndTheTableCount)
{
    Competition c = test::CompetitionDeTest("MPQ", 2, 2);
    c.Donnes[2].ResultatIMP = -7;
    auto lignes = Lignes(c);
    // A header that announces one table, with two sheets a deal.
    const std::size_t paires = Trouve(lignes, "[Pairs");
    lignes[paires] = "[Pairs \"1\"]";
    lignes.erase(lignes.begin() + static_cast<long>(paires) + 4,
        lignes.begin() + static_cast<long>(paires) + 7);
    lignes.erase(lignes.begin() + static_cast<long>(paires) + 7,
        lignes.begin() + static_cast<long>(paires) + 10);
    Lu lu = Lis(lignes);
    ASSERT_TRUE(lu.resultat.reussi());
    EXPECT_EQ(lu.competition.Tournoi.NombreTables, 2);
    EXPECT_EQ(lu.competition.Tournoi.Paires.size(), 5u);
    EXPECT_EQ(lu.competition.Donnes[2].ResultatIMP, -7);
    EXPECT_EQ(lu.competition.Donnes[2].Feuilles[1].PourcentNS, "-7");
    EXPECT_EQ(lu.competition.Donnes[2].Feuilles[2].Entame, "QS");
    EXPECT_EQ(lu.etat(), "DF");
}

TEST(LectureDialecte, InvalidSheetFieldsAreNotErrors)
{
    struct Cas {
        const char* ligne;
        int champ;
        const char* texte;
    };
    for (const auto& [ligne, champ, texte] : {
             Cas { "1 2 4P N +1 450 0 50,00 50,00 KH ", 3, "4P" },
             Cas { "1 2 4S N +1 450 0 50,00 50,00 K ", 10, "K" },
             Cas { "1 2 4S N +1 450 0 50,00 50,00 KH", 0, "" },
             Cas { "0 2 4S N +1 450 0 50,00 50,00 KH ", 1, "0" },
             Cas { "1 2 4S N +1 4a0 0 50,00 50,00 KH ", 6, "4a0" },
             Cas { "1 2 4S Q +9 450 0 50,00 50,00 KH ", 4, "Q" },
             Cas { "1 2 PA - - 0 0 50,00 50,00 - ", 0, "" },
             Cas { "1 2 A - - 0 0 70,00 30,00 - ", 0, "" },
             Cas { "1 2 PA N - 0 0 50,00 50,00 - ", 3, "PA" },
         }) {
        auto lignes = Lignes(test::CompetitionDeTest("TPP", 2, 1));
        const std::size_t i = Trouve(lignes, "[ScoreTable") + 1;
        lignes[i] = ligne;
        Lu lu = Lis(lignes);
        ASSERT_TRUE(lu.resultat.reussi()) << ligne;
        const OrigineFeuille& origine = lu.diagnostic.feuilles[1][1];
        EXPECT_EQ(origine.ligne, static_cast<int>(i + 1));
        EXPECT_EQ(origine.champInvalide, champ) << ligne;
        EXPECT_EQ(origine.texte, texte) << ligne;
        EXPECT_EQ(lu.competition.Donnes[1].FeuillesValides, champ == 0) << ligne;
        EXPECT_EQ(lu.etat(), champ == 0 ? "DF" : "D") << ligne;
    }
}

TEST(LectureDialecte, GarbledFilesGiveTheLineWhereReadingStopped)
{
    const Competition c = test::CompetitionDeTest("TPP", 2, 2);
    const auto propres = Lignes(c);
    struct Cas {
        const char* quoi;
        std::string debut; // the line to change is the first one starting with this
        int decalage; // ... plus this many lines
        std::string ligne; // its new text
    };
    const Cas cas[] = {
        { "board number", "[Board", 0, "[Board \"x1\"]" },
        { "empty board number", "[Board", 0, "[Board \"\"]" },
        { "pair count", "[Pairs", 0, "[Pairs \"deux\"]" },
        { "pair count too large", "[Pairs", 0, "[Pairs \"100000\"]" },
        { "pair number", "[Pairs", 4, "quatre" },
        { "dealer letter", "[Dealer", 0, "[Dealer \"Q\"]" },
        { "deal letter", "[Deal \"", 0, "[Deal \"N:AKZ.\"]" },
        { "deal first seat", "[Deal \"", 0, "[Deal \"X:AK.\"]" },
        { "lead mask", "[OptimumPlayTable", 3, "0 0 x 0 " },
        { "lead mask too large", "[OptimumPlayTable", 3, "0 0 9000 0 " },
        { "three lead masks", "[OptimumPlayTable", 3, "0 0 0 " },
        { "par line", "[OptimumResultTable", 0, "[OptimumResultTable 0 0 0 0]" },
        { "best contract code", "[OptimumResultTable", 0,
            "[OptimumResultTable 0 0 36 0 0 0 0 0 0 0]" },
        { "trick seat", "[OptimumResultTable", 2, "Q D 7" },
        { "trick strain", "[OptimumResultTable", 2, "S SA 7" },
        { "trick count", "[OptimumResultTable", 2, "S D 256" },
        { "sheet count", "[ScoreTable", 0, "[ScoreTable deux]" },
        { "short sheet line", "[ScoreTable", 1, "1 2 4S N +1 450" },
    };
    for (const auto& [quoi, debut, decalage, ligne] : cas) {
        auto lignes = propres;
        const std::size_t i = Trouve(lignes, debut) + static_cast<std::size_t>(decalage);
        lignes[i] = ligne;
        Lu lu = Lis(lignes);
        EXPECT_EQ(lu.resultat.issue, IssueFichier::Corrompue) << quoi;
        EXPECT_EQ(lu.resultat.ligne, static_cast<int>(i + 1)) << quoi;
    }
}

TEST(LectureDialecte, TruncatedFilesAreCorrupted)
{
    const auto propres = Lignes(test::CompetitionDeTest("TPP", 2, 2));
    const std::size_t premierBloc = Trouve(propres, "[Board");
    const std::size_t dernierBloc = Trouve(propres, "[Board", premierBloc + 1);
    // Cut after every line from the header's pair list to the last sheet line but one, except
    // where nothing tells: cleanly after the header or after a whole deal block, and after a
    // first [Board] line alone (that deal is then incomplete).
    for (std::size_t garde = Trouve(propres, "[Pairs") + 1; garde + 1 < propres.size(); ++garde) {
        if (garde == premierBloc || garde == premierBloc + 1 || garde == dernierBloc) continue;
        const std::vector<std::string> lignes(
            propres.begin(), propres.begin() + static_cast<long>(garde));
        Lu lu = Lis(lignes);
        EXPECT_EQ(lu.resultat.issue, IssueFichier::Corrompue) << "kept " << garde << " lines";
        EXPECT_GE(lu.resultat.ligne, 1);
        EXPECT_LE(lu.resultat.ligne, static_cast<int>(garde));
    }
    // A last line cut in the middle.
    auto coupee = propres;
    coupee.back().resize(12);
    EXPECT_EQ(Lis(coupee).resultat.issue, IssueFichier::Corrompue);
}

TEST(LectureDialecte, FileWithoutBoardsHasNoDeals)
{
    Lu lu = Lis({ "[Event \"TPP-Vide\"]", "[Site \"\"]", "[Date \"\"]", "[Pairs \"0\"]" });
    ASSERT_TRUE(lu.resultat.reussi());
    EXPECT_EQ(lu.competition.Tournoi.NomCompetition, "Vide");
    EXPECT_EQ(lu.competition.Tournoi.NombreDonnes, 0);
    EXPECT_EQ(lu.etat(), "I");
}

TEST(LectureDialecte, HeaderTagsReadByPosition)
{
    struct Cas {
        const char* ligne;
        const char* type;
        const char* nom;
    };
    for (const auto& [ligne, type, nom] :
        { Cas { "[Event \"TPP-Club de Paris\"]", "TPP", "Club de Paris" },
            Cas { "[Event \"MPQ-\"]", "MPQ", "" }, Cas { "[Event \"\"]", "", "" },
            Cas { "[Event \"TP\"]", "TP", "" } }) {
        Lu lu = Lis({ ligne, "[Site \"Lyon\"]", "[Date \"12/03/2026\"]", "[Pairs \"0\"]" });
        ASSERT_TRUE(lu.resultat.reussi()) << ligne;
        EXPECT_EQ(lu.competition.Tournoi.TypeCompetition, type) << ligne;
        EXPECT_EQ(lu.competition.Tournoi.NomCompetition, nom) << ligne;
        EXPECT_EQ(lu.competition.Tournoi.Lieu, "Lyon");
        EXPECT_EQ(lu.competition.Tournoi.DateCompetition, "12/03/2026");
    }
}

TEST(LectureDialecte, TheDialectIsKnownByItsPairList)
{
    EXPECT_TRUE(EstDuDialecte({ "[Event \"TPP-x\"]", "[Pairs \"0\"]", "[Board \"1\"]" }));
    EXPECT_FALSE(EstDuDialecte({ "[Event \"x\"]", "[Board \"1\"]", "[Pairs \"0\"]" }));
    EXPECT_FALSE(EstDuDialecte({}));
}

} // namespace
} // namespace plio
