#include "model/Textes.h"
#include "model/FichierLangue.h"
#include "model/Legendes.h"
#include "model/Notation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace plio {
namespace {

TEST(Messages, LanguageOfTheTableAndUnusedEntries) {
    EXPECT_EQ(Message(1, "french"), "Quitter");
    EXPECT_EQ(Message(1, "anglais"), "Quit");
    EXPECT_EQ(Message(1, ""), "Quit");
    EXPECT_EQ(Message(1, "deutsch"), "Quit");
    EXPECT_EQ(Message(11, "french"), "Erreur de saisie");
    EXPECT_EQ(Message(7, "french"), "");
    EXPECT_EQ(Message(79, "anglais"), "");
    EXPECT_EQ(Message(80, "french"), "");
    EXPECT_EQ(Message(-1, "french"), "");

    ChargeTextes("anglais");
    EXPECT_EQ(Messages[23], "Sheet validated");
    ChargeTextes("french");
    EXPECT_EQ(Messages[23], "Feuille validée");
}

TEST(NomsContrats, EveryNameReadsBackAsItsCodeAndDoubling) {
    for (const char* langue : { "french", "anglais" }) {
        for (int doublement = 0; doublement <= 2; ++doublement) {
            const auto& noms = NomsContrats(doublement, langue);
            EXPECT_EQ(noms[0], "");
            for (int code = 1; code <= 35; ++code) {
                EXPECT_EQ(CodeContrat(noms[code], langue), code) << noms[code];
                EXPECT_EQ(DoublementContrat(noms[code]), doublement) << noms[code];
            }
        }
    }
    const auto& fichier = NomsContratsFichier(0);
    for (int code = 1; code <= 35; ++code) {
        EXPECT_EQ(CodeContrat(fichier[code], "anglais"), code);
        const std::string francais = NomsContrats(0, "french")[code];
        EXPECT_EQ(NomContratFrancais(code), std::string(3 - francais.size(), ' ') + francais);
    }
}

TEST(NomsContrats, DisplayNamesFollowTheLanguageFileNamesStayEnglish) {
    EXPECT_EQ(NomsContrats(0, "french")[5], "1SA");
    EXPECT_EQ(NomsContrats(1, "french")[35], "7SAX");
    EXPECT_EQ(NomsContrats(2, "french")[19], "4PXX");
    EXPECT_EQ(NomsContrats(0, "anglais")[15], "3NT");
    EXPECT_EQ(NomsContrats(2, "deutsch")[35], "7NTXX");
    for (const char* langue : { "french", "anglais", "" }) {
        Langue = langue;
        EXPECT_EQ(NomsContratsFichier(0)[15], "3NT");
        EXPECT_EQ(NomsContratsFichier(1)[1], "1CX");
        EXPECT_EQ(NomsContratsFichier(2)[35], "7NTXX");
    }
    Langue = "french";
    EXPECT_EQ(NomsContratsFichier(3)[35], "7NTXX"); // beyond redoubled: the redoubled table
}

TEST(Legendes, SharedTextsInBothLanguages) {
    struct Cas {
        Legende legende;
        const char *francais, *anglais;
    };
    using namespace LegendesCommunes;
    const Cas cas[] = { { Retour, "RETOUR", "RETURN" }, { Valider, "Valider", "Validate" },
        { ValiderMajuscules, "VALIDER", "VALIDATE" }, { Initialiser, "Initialiser", "Initialise" },
        { Donneur, "Donneur", "Dealer" },
        { NombreDeTables, "Nombre de tables", "Number of tables" },
        { DonneCourante, "Donne courante", "Current deal" }, { SansAtout, "SA", "NT" },
        { DossierCartes, "francais/", "anglais/" } };
    for (const Cas& c : cas) {
        EXPECT_EQ(c.legende.Texte("french"), c.francais);
        EXPECT_EQ(c.legende.Texte("anglais"), c.anglais);
        EXPECT_EQ(c.legende.Texte(""), c.anglais);
        EXPECT_EQ(c.legende.Texte("deutsch"), c.anglais);
    }
    Langue = "anglais";
    EXPECT_EQ(Retour.Texte(), "RETURN");
    Langue = "french";
    EXPECT_EQ(Retour.Texte(), "RETOUR");
}

// Any other word in the language file: English tables, but French letters for the notation
// functions that only know "anglais" as English.
TEST(Langue, AnyOtherWordMixesEnglishTextsAndFrenchLetters) {
    const char* const langue = "english";
    EXPECT_EQ(Message(3, langue), "Analyze a file");
    EXPECT_EQ(LegendesCommunes::Donneur.Texte(langue), "Dealer");
    EXPECT_EQ(LettreRang(8, langue), "T");
    EXPECT_EQ(NumeroCouleur('P', langue), 4);
    EXPECT_EQ(NumeroJoueur('O', langue), 2);
    EXPECT_EQ(CodeContrat("3SA", langue), 15);
}

class FichierLangueTest : public ::testing::Test {
protected:
    void SetUp() override {
        dossier = std::filesystem::temp_directory_path()
            / ("plio_langue_" + std::to_string(::getpid()) + "_"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
        fichier = dossier / "langue.txt";
    }
    void TearDown() override {
        std::filesystem::remove_all(dossier);
        ChargeTextes("french");
    }
    void Ecrit(const std::string& contenu) { std::ofstream(fichier, std::ios::binary) << contenu; }
    std::string Contenu() const {
        std::ifstream flux(fichier, std::ios::binary);
        std::stringstream texte;
        texte << flux.rdbuf();
        return texte.str();
    }
    std::filesystem::path dossier, fichier;
};

TEST_F(FichierLangueTest, ReadsTheFirstLineOnly) {
    const std::pair<std::string, std::string> cas[] = {
        { "french\r\nanglais\r\n", "french" },
        { "anglais\n", "anglais" },
        { "anglais", "anglais" },
        { "", "" },
        { "\nfrench\n", "" },
        { std::string(300, 'a') + "\n", std::string(255, 'a') },
        { "french \n", "french " },
    };
    for (const auto& [contenu, attendu] : cas) {
        Ecrit(contenu);
        EXPECT_EQ(LitFichierLangue(fichier), attendu) << contenu;
    }
    EXPECT_EQ(LitFichierLangue(dossier / "absent.txt"), "");
}

TEST_F(FichierLangueTest, SwitchingWritesOneLineOnlyForAnotherLanguage) {
    Ecrit("french\nwhat the user left here\n");
    std::string langue = "french";
    EXPECT_FALSE(ChangeLangue(fichier, "french", langue));
    EXPECT_EQ(Contenu(), "french\nwhat the user left here\n");

    EXPECT_TRUE(ChangeLangue(fichier, "anglais", langue));
    EXPECT_EQ(langue, "anglais");
    EXPECT_EQ(Contenu(), "anglais\n");
    EXPECT_EQ(Messages[1], "Quit");
    EXPECT_EQ(LitFichierLangue(fichier), "anglais");

    EXPECT_TRUE(ChangeLangue(fichier, "french", langue));
    EXPECT_EQ(Contenu(), "french\n");
    EXPECT_EQ(Messages[1], "Quitter");
}

TEST_F(FichierLangueTest, UnwritableFileStillSwitchesTheInterface) {
    std::string langue = "french";
    EXPECT_FALSE(ChangeLangue(dossier / "absent" / "langue.txt", "anglais", langue));
    EXPECT_EQ(langue, "anglais");
    EXPECT_EQ(Messages[1], "Quit");
}

} // namespace
} // namespace plio
