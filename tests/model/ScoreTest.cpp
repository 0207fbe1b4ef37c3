#include "model/Score.h"

#include <gtest/gtest.h>

namespace plio {

void PrintTo(const ScoreEtCamp& s, std::ostream* os) {
    *os << s.score << (s.camp == 0 ? " NS" : " EW");
}

namespace {

using Ligne = std::array<int, 6>;

Ligne Colonnes(const std::array<std::uint16_t, 7>& entree) {
    return { entree[1], entree[2], entree[3], entree[4], entree[5], entree[6] };
}

TEST(TablesScore, TellingRowsOfTheLaws) {
    const TablesDeScore& t = TablesScore();
    struct Cas {
        int niveau, classe;
        Ligne attendu;
    };
    const Cas demandes[] = {
        { 1, 1, { 70, 140, 230, 70, 140, 230 } },
        { 1, 2, { 80, 160, 520, 80, 160, 720 } },
        { 3, 3, { 400, 550, 800, 600, 750, 1000 } },
        { 4, 2, { 420, 590, 880, 620, 790, 1080 } },
        { 7, 3, { 1520, 1790, 2280, 2220, 2490, 2980 } },
        { 5, 1, { 400, 550, 800, 600, 750, 1000 } }, // minor game
        { 6, 2, { 980, 1210, 1620, 1430, 1660, 2070 } },
    };
    for (const Cas& c : demandes)
        EXPECT_EQ(Colonnes(t.ScoreDemande[c.niveau][c.classe]), c.attendu)
            << c.niveau << "/" << c.classe;

    const std::pair<int, Ligne> chutes[] = {
        { 1, { 50, 100, 200, 100, 200, 400 } },
        { 3, { 150, 500, 1000, 300, 800, 1600 } },
        { 4, { 200, 800, 1600, 400, 1100, 2200 } },
        { 13, { 650, 3500, 7000, 1300, 3800, 7600 } },
    };
    for (const auto& [chute, attendu] : chutes)
        EXPECT_EQ(Colonnes(t.ScoreChute[chute]), attendu) << chute;

    EXPECT_EQ(Colonnes(t.ScoreSurlevee[0]), (Ligne {}));
    EXPECT_EQ(Colonnes(t.ScoreSurlevee[1]), (Ligne { 20, 100, 200, 20, 200, 400 }));
    EXPECT_EQ(Colonnes(t.ScoreSurlevee[2]), (Ligne { 30, 100, 200, 30, 200, 400 }));
    EXPECT_EQ(Colonnes(t.ScoreSurlevee[3]), (Ligne { 30, 100, 200, 30, 200, 400 }));
    EXPECT_EQ(Colonnes(t.ScoreSurlevee[4]), (Ligne {}));
}

board DonneVulnerable(std::string vulnerabilite) {
    board donne;
    donne.Vulnerabilite = std::move(vulnerabilite);
    return donne;
}

TEST(ScoreFeuille, ResultsInBothNotations) {
    struct Cas {
        const char* langue;
        const char* contrat;
        const char* declarant;
        const char* resultat;
        const char* vulnerabilite;
        ScoreEtCamp attendu;
    };
    const Cas cas[] = {
        { "anglais", "4S", "N", "+1", "None", { 450, 0 } },
        { "anglais", "4S", "N", "+1", "NS", { 650, 0 } },
        { "anglais", "4S", "N", "+1", "EW", { 450, 0 } },
        { "anglais", "3NTX", "E", "-2", "EW", { 500, 0 } },
        { "anglais", "6CXX", "S", "=", "Both", { 1830, 0 } },
        { "anglais", "6CXX", "S", "=", "All", { 1830, 0 } },
        { "anglais", "1NT", "W", "=", "Bo", { 90, 1 } },
        { "anglais", "2H", "S", "-1", "Love", { 50, 1 } },
        { "anglais", "7NTXX", "W", "-13", "Both", { 7600, 0 } },
        { "anglais", "1CX", "N", "+6", "NS", { 1340, 0 } },
        { "anglais", "3N", "S", "=", "None", { 400, 0 } }, // one strain letter is enough
        { "anglais", "4S", "N", "1", "None", { 450, 0 } }, // an overtrick written without "+"
        { "french", "4P", "N", "+1", "None", { 450, 0 } },
        { "french", "3SAX", "E", "-2", "EW", { 500, 0 } },
        { "french", "6TXX", "S", "=", "Both", { 1830, 0 } },
        { "french", "4K", "O", "=", "EW", { 130, 1 } },
        // The same text means hearts in French and clubs in English.
        { "french", "4C", "S", "=", "None", { 420, 0 } },
        { "anglais", "4C", "S", "=", "None", { 130, 0 } },
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(ScoreFeuille(c.contrat, c.declarant, c.resultat, DonneVulnerable(c.vulnerabilite),
                      c.langue),
            c.attendu)
            << c.langue << " " << c.contrat << " " << c.declarant << " " << c.resultat << " "
            << c.vulnerabilite;
    }
}

TEST(ScoreFeuille, TextsOutsideTheTablesScoreNothing) {
    const board donne = DonneVulnerable("Both");
    for (const auto& [contrat, resultat] :
        std::initializer_list<std::pair<const char*, const char*>> { { "4H", "-14" }, { "8S", "=" },
            { "0S", "=" }, { "4", "=" }, { "", "=" }, { "4Z", "=" }, { "4S", "" }, { "4S", "+x" },
            { "4S", "+14" }, { "PA", "-" }, { "A", "-" } }) {
        EXPECT_EQ(ScoreFeuille(contrat, "N", resultat, donne, "anglais"), ScoreEtCamp {})
            << contrat << " " << resultat;
    }
    EXPECT_EQ(
        ScoreFeuille("4H", "N", "=", donne, "french"), ScoreEtCamp {}); // H is no French strain
}

TEST(ScoreContratAnalyse, MadeUndoubledDownDoubled) {
    EXPECT_EQ(ScoreContratAnalyse(2, 3, 0, 4), 480);
    EXPECT_EQ(ScoreContratAnalyse(-2, 3, 0, 4), -300);
    EXPECT_EQ(ScoreContratAnalyse(0, 3, 3, 4), 620);
    EXPECT_EQ(ScoreContratAnalyse(-1, 5, 3, 3), -200);
    EXPECT_EQ(ScoreContratAnalyse(0, 5, 0, 3), 400);
    EXPECT_EQ(ScoreContratAnalyse(1, 1, 0, 5), 420);
    EXPECT_EQ(ScoreContratAnalyse(-13, 5, 3, 7), -3800);
    for (const auto& [k, strain, decalage, niveau] :
        std::initializer_list<std::array<int, 4>> { { -14, 5, 0, 7 }, { 0, 0, 0, 4 },
            { 0, 6, 0, 4 }, { 0, 4, 1, 4 }, { 0, 4, 6, 4 }, { 0, 4, 0, 8 } })
        EXPECT_EQ(ScoreContratAnalyse(k, strain, decalage, niveau), 0)
            << k << strain << decalage << niveau;
}

TEST(CalculeScoresContrats, EveryLevelFromTheTricks) {
    board donne = DonneVulnerable("NS");
    donne.Plis[Sud][4] = 10;
    donne.Plis[Ouest][4] = 10;
    CalculeScoresContrats(donne, Sud, 4);
    CalculeScoresContrats(donne, Ouest, 4);
    const std::array<int, 8> sud { 0, 170, 170, 170, 620, -200, -500, -800 };
    const std::array<int, 8> ouest { 0, 170, 170, 170, 420, -100, -300, -500 };
    for (int niveau = 1; niveau <= 7; ++niveau) {
        EXPECT_EQ(donne.ScoreContrat[Sud][4][niveau], sud[niveau]) << niveau;
        EXPECT_EQ(donne.ScoreContratParPalier[Sud][niveau][4], sud[niveau]) << niveau;
        EXPECT_EQ(donne.ScoreContrat[Ouest][4][niveau], ouest[niveau]) << niveau;
        EXPECT_EQ(donne.ScoreContratParPalier[Ouest][niveau][4], ouest[niveau]) << niveau;
    }
    EXPECT_EQ(donne.ScoreContrat[Nord][4][4], 0); // other declarers untouched
}

TEST(CalculeScoresContrats, VulnerabilityWords) {
    const std::pair<const char*, std::array<int, 5>> cas[] = {
        // 3NT made exactly by each seat 1..4
        { "None", { 0, 400, 400, 400, 400 } },
        { "No", { 0, 400, 400, 400, 400 } },
        { "Love", { 0, 400, 400, 400, 400 } },
        { "-", { 0, 400, 400, 400, 400 } },
        { "NS", { 0, 600, 400, 600, 400 } },
        { "EW", { 0, 400, 600, 400, 600 } },
        { "Both", { 0, 600, 600, 600, 600 } },
        { "Bo", { 0, 600, 600, 600, 600 } },
        { "All", { 0, 600, 600, 600, 600 } },
    };
    for (const auto& [mot, attendu] : cas) {
        board donne = DonneVulnerable(mot);
        for (int declarant = 1; declarant <= 4; ++declarant) {
            donne.Plis[declarant][5] = 9;
            CalculeScoresContrats(donne, declarant, 5);
            EXPECT_EQ(donne.ScoreContrat[declarant][5][3], attendu[declarant])
                << mot << " " << declarant;
        }
    }
}

TEST(ConvertitIMP, WholeWbfScale) {
    // The scale as published: from..to points gives IMPs; scores move by tens.
    struct Palier {
        int de, a, imp;
    };
    const Palier echelle[] = { { 0, 10, 0 }, { 20, 40, 1 }, { 50, 80, 2 }, { 90, 120, 3 },
        { 130, 160, 4 }, { 170, 210, 5 }, { 220, 260, 6 }, { 270, 310, 7 }, { 320, 360, 8 },
        { 370, 420, 9 }, { 430, 490, 10 }, { 500, 590, 11 }, { 600, 740, 12 }, { 750, 890, 13 },
        { 900, 1090, 14 }, { 1100, 1290, 15 }, { 1300, 1490, 16 }, { 1500, 1740, 17 },
        { 1750, 1990, 18 }, { 2000, 2240, 19 }, { 2250, 2490, 20 }, { 2500, 2990, 21 },
        { 3000, 3490, 22 }, { 3500, 3990, 23 }, { 4000, 7600, 24 } };
    for (const Palier& p : echelle) {
        for (int ecart : { p.de, p.a, p.a + 9 }) {
            EXPECT_EQ(ConvertitIMP(ecart), p.imp) << ecart;
            EXPECT_EQ(ConvertitIMP(-ecart), -p.imp) << -ecart;
        }
        if (p.de > 0) {
            EXPECT_EQ(ConvertitIMP(p.de - 1), p.imp - 1) << p.de - 1;
        }
    }
    EXPECT_EQ(ConvertitIMP(450), 10);
    EXPECT_EQ(ConvertitIMP(-7600), -24);
    EXPECT_EQ(ConvertitIMP(100000), 24);
}

TEST(ResultatMatch, ComparesTheTwoRooms) {
    struct Cas {
        int ns1, eo1, ns2, eo2, attendu;
    };
    const Cas cas[] = {
        { 420, 0, 420, 0, 0 }, // same score for North-South in both rooms
        { 620, 0, 0, 100, 12 }, // 620 + 100 for team 1
        { 0, 50, 620, 0, -12 }, // team 1 loses 50 and 620
        { 0, 0, 0, 0, 0 }, // passed out twice
        { 170, 0, 0, 140, 7 }, // part scores both ways: 310
    };
    for (const Cas& c : cas) {
        board donne;
        donne.Feuilles.resize(3);
        donne.Feuilles[1].ScoreNS = c.ns1;
        donne.Feuilles[1].ScoreEO = c.eo1;
        donne.Feuilles[2].ScoreNS = c.ns2;
        donne.Feuilles[2].ScoreEO = c.eo2;
        ResultatMatch(donne);
        EXPECT_EQ(donne.ResultatIMP, c.attendu)
            << c.ns1 << " " << c.eo1 << " " << c.ns2 << " " << c.eo2;
    }
    board uneSalle;
    uneSalle.ResultatIMP = 5;
    uneSalle.Feuilles.resize(2);
    ResultatMatch(uneSalle);
    EXPECT_EQ(uneSalle.ResultatIMP, 0);
}

} // namespace
} // namespace plio
