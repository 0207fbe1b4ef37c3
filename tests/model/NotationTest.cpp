#include "model/Notation.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

// Some functions test for "french", others for "anglais": "" and any other word must show it.
const char* const Langues[] = { "french", "anglais", "", "deutsch" };

TEST(LettreRang, FrenchOnlyForFrench) {
    for (const char* langue : Langues) {
        const std::string attendu
            = std::string_view(langue) == "french" ? "23456789XVDRA" : "23456789TJQKA";
        std::string lettres;
        for (int rang = 0; rang <= 12; ++rang)
            lettres += LettreRang(rang, langue);
        EXPECT_EQ(lettres, attendu) << langue;
        for (int rang = 0; rang <= 12; ++rang)
            EXPECT_EQ(ValeurRang(lettres[rang]), rang) << langue << rang;
    }
    EXPECT_EQ(LettreRang(13, "french"), "");
    EXPECT_EQ(LettreRang(-1, "anglais"), "");
}

TEST(ToucheCarteValide, HonoursOfTheLanguageInEitherCase) {
    const std::string_view communes = " 23456789Aa";
    const std::string_view francaises = "RrDdVvXx";
    const std::string_view anglaises = "KkQqJjTt";
    for (const char* langue : Langues) {
        const bool francais = std::string_view(langue) == "french";
        for (char c : communes)
            EXPECT_TRUE(ToucheCarteValide(c, langue)) << langue << c;
        for (char c : francaises)
            EXPECT_EQ(ToucheCarteValide(c, langue), francais) << langue << c;
        for (char c : anglaises)
            EXPECT_EQ(ToucheCarteValide(c, langue), !francais) << langue << c;
        for (char c : std::string_view("01.-Bb\t"))
            EXPECT_FALSE(ToucheCarteValide(c, langue)) << langue << c;
    }
}

TEST(NumeroCouleurEtJoueur, EnglishOnlyForAnglais) {
    struct Cas {
        char lettre;
        int francais, anglais;
    };
    const Cas couleurs[] = { { 'T', 1, 0 }, { 'K', 2, 0 }, { 'C', 3, 1 }, { 'P', 4, 0 },
        { 'D', 0, 2 }, { 'H', 0, 3 }, { 'S', 0, 4 }, { ' ', 0, 0 }, { 'N', 0, 0 } };
    const Cas joueurs[] = { { 'S', 1, 1 }, { 'O', 2, 0 }, { 'W', 0, 2 }, { 'N', 3, 3 },
        { 'E', 4, 4 }, { 'X', 0, 0 }, { ' ', 0, 0 }, { 's', 0, 0 } };
    for (const char* langue : Langues) {
        const bool anglais = std::string_view(langue) == "anglais";
        for (const Cas& c : couleurs)
            EXPECT_EQ(NumeroCouleur(c.lettre, langue), anglais ? c.anglais : c.francais)
                << langue << c.lettre;
        for (const Cas& c : joueurs)
            EXPECT_EQ(NumeroJoueur(c.lettre, langue), anglais ? c.anglais : c.francais)
                << langue << c.lettre;
    }
}

TEST(CodeContrat, LevelAndStrainOfTheFirstTwoCharacters) {
    struct Cas {
        const char* texte;
        int francais, anglais;
    };
    const Cas cas[] = {
        { "3NT", 10, 15 },
        { "3SA", 15, 14 },
        { "7P", 34, 30 },
        { "1C", 3, 1 },
        { "7NTXX", 30, 35 },
        { "7SAXX", 35, 34 },
        { "1T", 1, 0 },
        { "4K", 17, 15 },
        { "4H", 15, 18 },
        { "2D", 5, 7 },
        { "9S", 5, 4 }, // a level that is no digit 1..7 counts as 1
        { "0P", 4, 0 },
        { "4Z", 15, 15 },
        { "4", 15, 15 },
        { "", 0, 0 },
        { "PA", 0, 0 },
    };
    for (const char* langue : Langues) {
        const bool anglais = std::string_view(langue) == "anglais";
        for (const Cas& c : cas)
            EXPECT_EQ(CodeContrat(c.texte, langue), anglais ? c.anglais : c.francais)
                << langue << " " << c.texte;
    }
}

TEST(DoublementContrat, FromTheEndOfTheText) {
    const std::pair<const char*, int> cas[] = { { "4S", 0 }, { "4SX", 1 }, { "4SXX", 2 },
        { "3NTX", 1 }, { "3SAXX", 2 }, { "", 0 }, { "X", 1 }, { "PA", 0 }, { "4XS", 0 } };
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(DoublementContrat(texte), attendu) << texte;
}

TEST(NomContratFrancais, ThreeCharactersWhateverTheLanguage) {
    const std::pair<int, const char*> cas[]
        = { { 1, " 1T" }, { 2, " 1K" }, { 3, " 1C" }, { 4, " 1P" }, { 5, "1SA" }, { 6, " 2T" },
              { 19, " 4P" }, { 34, " 7P" }, { 35, "7SA" }, { 0, "" }, { 36, "" } };
    for (const char* langue : Langues) {
        Langue = langue;
        for (const auto& [code, attendu] : cas)
            EXPECT_EQ(NomContratFrancais(code), attendu) << code;
    }
    Langue = "french";
}

TEST(TexteContratPar, SeatAndStrainInFiveCharacters) {
    struct Cas {
        int siege, strain;
        const char *francais, *anglais;
    };
    const Cas cas[]
        = { { 2, 5, " O SA", " W NT" }, { 2, 0, " O SA", " W NT" }, { 1, 1, " S T ", " S C " },
              { 3, 2, " N K ", " N D " }, { 4, 3, " E C ", " E H " }, { 1, 4, " S P ", " S S " } };
    for (const char* langue : Langues) {
        const bool francais = std::string_view(langue) == "french";
        for (const Cas& c : cas)
            EXPECT_EQ(TexteContratPar(c.siege, c.strain, langue), francais ? c.francais : c.anglais)
                << langue << " " << c.siege << " " << c.strain;
    }
    EXPECT_EQ(TexteContratPar(0, 1, "french"), "");
    EXPECT_EQ(TexteContratPar(1, 6, "anglais"), "");
}

TEST(TextePar, SideAndDoubleDummyOutcome) {
    struct Cas {
        int camp, contrat, siegeDesPlis, strain, plis;
        const char* attendu;
    };
    const Cas cas[] = {
        { 1, 19, Sud, 4, 10, " par  S  =" }, // 4 spades by South, made
        { 2, 21, Ouest, 1, 9, " par  O -2" }, // 5 clubs by West, two down
        { 3, 15, Nord, 5, 9, " par  N  =" },
        { 4, 33, Est, 3, 12, " par  E -1" },
        { 5, 15, Sud, 5, 9, " par NS  =" }, // North-South: South's tricks
        { 6, 26, Ouest, 1, 6, " par EO -6" }, // East-West: West's tricks
        { 1, 10, Sud, 5, 9, " par  S +1" }, // made with a trick to spare: not shown as down
        { 0, 19, Sud, 4, 10, "" }, // not analysed
        { 21, 19, Sud, 4, 10, "" }, // both sides on one contract
        { 1, 0, Sud, 4, 10, "" },
        { 1, 36, Sud, 4, 10, "" },
    };
    for (const Cas& c : cas) {
        board donne;
        donne.CampPar = c.camp;
        donne.ContratPar = c.contrat;
        donne.Plis[c.siegeDesPlis][c.strain] = static_cast<std::uint8_t>(c.plis);
        EXPECT_EQ(TextePar(donne), c.attendu) << c.camp << " " << c.contrat;
    }
}

TEST(Aligne, PaddedColumns) {
    const std::pair<int, const char*> nombres[]
        = { { 7, " 7" }, { 12, "12" }, { 9, " 9" }, { 10, "10" }, { 0, " 0" }, { 100, "100" } };
    for (const auto& [n, attendu] : nombres)
        EXPECT_EQ(Aligne2(n), attendu) << n;
    const std::pair<const char*, const char*> textes[] = { { "ab", "  ab" }, { "abc", " abc" },
        { "abcd", "abcd" }, { "", "    " }, { "abcde", "abcde" } };
    for (const auto& [texte, attendu] : textes)
        EXPECT_EQ(Aligne4(texte), attendu) << texte;
}

} // namespace
} // namespace plio
