#include "pbn/EcritureDialecte.h"

#include "Fabrique.h"
#include "model/Textes.h"
#include "pbn/FichierTexte.h"
#include "pbn/LectureFichier.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

Competition NouvelleCompetition(bool derniereComplete)
{
    Competition c = test::CompetitionDeTest("TPP", 1, 2);
    for (board& d : c.Donnes) {
        d.Feuilles.assign(2, ResultsSheet {});
        d.FeuillesValides = false;
    }
    if (!derniereComplete) c.Donnes[2].LigneDonne = "[Deal \"N:AK.. ... ...\"]";
    return c;
}

TEST(EcritureDialecte, NewCompetitionWithZerosAndEmptySheetFields)
{
    for (const bool complete : { true, false }) {
        test::DossierTemporaire dossier;
        Competition c = NouvelleCompetition(complete);
        DialoguesScriptes dialogues;
        ASSERT_TRUE(EcritFichierPBN(c, dossier / "n.pbn", dialogues, "anglais").reussi());
        EXPECT_EQ(c.EtatFichier, complete ? "D" : "I");
        const auto lignes = DecoupeLignes(*LitOctets(dossier / "n.pbn"));
        const std::vector<std::string> entete { "[Event \"TPP-Essai\"]",
            "[Site \"Salle des f\xC3\xAAtes\"]", "[Date \"12/03/2026\"]", "[Pairs \"1\"]", "1",
            "H$Joueur 1a", "F$Joueuse 1b", "2", "H$Joueur 2a", "F$Joueuse 2b", "[Board \"1\"]",
            "[West \"\"]", "[North \"\"]", "[East \"\"]", "[South \"\"]", "[Dealer \"N\"]",
            "[Vulnerable \"None\"]" };
        ASSERT_GT(lignes.size(), entete.size());
        EXPECT_EQ(std::vector<std::string>(
                      lignes.begin(), lignes.begin() + static_cast<long>(entete.size())),
            entete);
        EXPECT_EQ(lignes[17], c.Donnes[1].LigneDonne);
        const std::vector<std::string> suite { "[Scoring \"\"]", "[Declarer \"\"]",
            "[Contract \"\"]", "[Result \"\"]", "[OptimumPlayTable ]", "0 0 0 0 " };
        EXPECT_EQ(std::vector<std::string>(lignes.begin() + 18, lignes.begin() + 24), suite);
        EXPECT_EQ(lignes[42], "0 0 0 0 ");
        EXPECT_EQ(lignes[43], "[OptimumResultTable 0 0 0 0 0 0 0 0 0 0]");
        EXPECT_EQ(lignes[44], "S C 0");
        EXPECT_EQ(lignes[63], "E NT 0");
        EXPECT_EQ(lignes[64], "[ScoreTable 1]");
        EXPECT_EQ(lignes[65], "0 0    0 0    ");
        EXPECT_EQ(lignes[66], "[Board \"2\"]");
    }
}

TEST(EcritureDialecte, CrLfLineEnds)
{
    const std::string texte = TexteFichierPBN(test::CompetitionDeTest("MPQ", 2, 2), "anglais");
    ASSERT_TRUE(texte.ends_with("\r\n"));
    std::size_t retours = 0;
    std::size_t finsDeLigne = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        retours += texte[i] == '\r';
        if (texte[i] == '\n') {
            ++finsDeLigne;
            ASSERT_EQ(texte[i - 1], '\r') << "at byte " << i;
        }
    }
    EXPECT_EQ(retours, finsDeLigne);
}

TEST(EcritureDialecte, SheetLinesOfBothKinds)
{
    Competition tpp = test::CompetitionDeTest("TPP", 2, 1);
    tpp.Donnes[1].Feuilles[1].PourcentNS = "100,00";
    tpp.Donnes[1].Feuilles[1].PourcentEO = "0,00";
    EXPECT_NE(TexteFichierPBN(tpp, "anglais").find("\r\n1 3 4S N +1 450 0 100,00 0,00 KH \r\n"),
        std::string::npos);
    Competition mpq = test::CompetitionDeTest("MPQ", 2, 1);
    mpq.Donnes[1].ResultatIMP = -11;
    EXPECT_NE(TexteFichierPBN(mpq, "anglais").find("\r\n2 4 3NT W -2 100 0 -11 QS \r\n"),
        std::string::npos);
}

TEST(EcritureDialecte, FrenchSheetsAreWrittenInEnglishAndStayFrench)
{
    test::DossierTemporaire dossier;
    Competition c = test::CompetitionDeTest("TPP", 2, 1);
    ResultsSheet& f = c.Donnes[1].Feuilles[2];
    f.Contrat = "3SA";
    f.Declarant = "O";
    f.Entame = "DP";
    c.Donnes[1].Feuilles[1] = { 0, 1, 3, "", "", "4P", "N", "RC", "+1", 450, 0, "50,00", "50,00" };
    DialoguesScriptes dialogues;
    ASSERT_TRUE(EcritFichierPBN(c, dossier / "f.pbn", dialogues, "french").reussi());
    const std::string texte = *LitOctets(dossier / "f.pbn");
    EXPECT_NE(texte.find("\r\n2 4 3NT W -2 100 0 50,00 50,00 QS \r\n"), std::string::npos);
    EXPECT_NE(texte.find("\r\n1 3 4S N +1 450 0 50,00 50,00 KH \r\n"), std::string::npos);
    EXPECT_EQ(f.Contrat, "3SA");
    EXPECT_EQ(f.Declarant, "O");
    EXPECT_EQ(f.Entame, "DP");
    // Judged in the file's notation, the French sheets are valid.
    EXPECT_EQ(c.EtatFichier, "DF");
}

TEST(EcritureDialecte, SameModelSameBytesAndReadWriteGivesTheSameBytes)
{
    for (const char* langue : { "french", "anglais" })
        for (const char* type : { "TPP", "MPQ" }) {
            test::DossierTemporaire dossier;
            Competition c = test::CompetitionDeTest(type, 3, 4);
            c.Donnes[3].Plis[2][4] = 8;
            c.Donnes[3].MeilleurContrat = { 0, 4, 19, 0, 35 };
            c.Donnes[3].ScoreContrat[1][4][1] = 80;
            c.Donnes[3].ScoreContrat[2][4][4] = -300;
            c.Donnes[3].ScoreContrat[4][5][7] = -1100;
            c.Donnes[4].Feuilles[2]
                = { 0, 2, 5, "", "", "A", "-", "-", "-", 0, 0, "60,00", "40,00" };
            if (std::string(type) == "MPQ") c.Donnes[4].Feuilles[2].PourcentNS = "3";
            DialoguesScriptes dialogues;
            ASSERT_TRUE(EcritFichierPBN(c, dossier / "a.pbn", dialogues, langue).reussi());
            ASSERT_TRUE(EcritFichierPBN(c, dossier / "b.pbn", dialogues, langue).reussi());
            const std::string premier = *LitOctets(dossier / "a.pbn");
            EXPECT_EQ(premier, *LitOctets(dossier / "b.pbn"));

            LectureFichier lu = LitFichierPBN(dossier / "a.pbn", langue);
            ASSERT_TRUE(lu.resultat.reussi());
            ASSERT_TRUE(
                EcritFichierPBN(lu.competition, dossier / "c.pbn", dialogues, langue).reussi());
            EXPECT_EQ(premier, *LitOctets(dossier / "c.pbn")) << langue << " " << type;
            EXPECT_EQ(lu.competition.EtatFichier, c.EtatFichier);
        }
}

TEST(EcritureDialecte, AFailedWriteKeepsTheOldFileAndTheModel)
{
    test::DossierTemporaire dossier;
    Competition c = test::CompetitionDeTest("TPP", 2, 1);
    c.Donnes[1].Feuilles[1].Contrat = "4P";
    c.EtatFichier = "DFA";
    const Competition avant = c;
    // A folder that does not exist, and a target that cannot be replaced by a file.
    std::filesystem::create_directories(dossier / "occupe" / "dedans");
    for (const auto& chemin : { dossier / "absent" / "x.pbn", dossier / "occupe" }) {
        DialoguesScriptes dialogues;
        const ResultatFichier r = EcritFichierPBN(c, chemin, dialogues, "french");
        EXPECT_EQ(r.issue, IssueFichier::NonEcrite);
        EXPECT_EQ(r.message, Message(28, "french"));
        EXPECT_EQ(dialogues.messages, std::vector<std::string> { Message(28, "french") });
        EXPECT_EQ(c, avant);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dossier / "occupe" / "dedans"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.chemin()), {}), 1)
        << "no temporary file is left behind";
}

TEST(EcritureDialecte, FieldsCannotBreakTheLayout)
{
    Competition c = test::CompetitionDeTest("TPP", 1, 1);
    c.Tournoi.Paires[1].Joueur1 = "Anne\r\nMarie";
    c.Donnes[1].Feuilles[1].Contrat = "4 S";
    const auto lignes = DecoupeLignes(TexteFichierPBN(c, "anglais"));
    EXPECT_EQ(lignes[5], "Anne  Marie");
    EXPECT_EQ(lignes.back(), "1 2 4_S N +1 450 0 50,00 50,00 KH ");
}

} // namespace
} // namespace plio
