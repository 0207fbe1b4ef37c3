#include "model/Score.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

// Records the title of every input box as well as its prompt.
class DialoguesEnregistres final : public Dialogues {
public:
    std::deque<std::optional<std::string>> saisies;
    std::vector<std::string> titres;
    std::vector<std::string> invites;
    std::vector<std::string> defauts;

    void AfficheMessage(const std::string&) override { }
    std::optional<std::string> Saisie(
        const std::string& titre, const std::string& invite, const std::string& defaut) override {
        titres.push_back(titre);
        invites.push_back(invite);
        defauts.push_back(defaut);
        if (saisies.empty()) return defaut;
        auto reponse = saisies.front();
        saisies.pop_front();
        return reponse;
    }
    bool Question(const std::string&) override { return false; }
};

// A sheet line by its North-South value: positive for North-South, negative for East-West,
// "PA" and "A" for passed-out and adjusted lines.
struct Ligne {
    const char* contrat;
    int valeurNS;
};

board DonneAvec(std::initializer_list<Ligne> lignes) {
    board donne;
    for (const Ligne& l : lignes) {
        ResultsSheet feuille;
        feuille.Contrat = l.contrat;
        feuille.ScoreNS = std::max(l.valeurNS, 0);
        feuille.ScoreEO = std::max(-l.valeurNS, 0);
        donne.Feuilles.push_back(feuille);
    }
    donne.NombreFeuilles = static_cast<int>(lignes.size());
    return donne;
}

std::vector<std::pair<std::string, std::string>> Pourcentages(const board& donne) {
    std::vector<std::pair<std::string, std::string>> p;
    for (std::size_t i = 1; i < donne.Feuilles.size(); ++i)
        p.emplace_back(donne.Feuilles[i].PourcentNS, donne.Feuilles[i].PourcentEO);
    return p;
}

using Attendu = std::vector<std::pair<std::string, std::string>>;

TEST(CalculePourcentages, MatchpointsOfScoredLines) {
    struct Cas {
        std::initializer_list<Ligne> lignes;
        Attendu attendu;
    };
    const Cas cas[] = {
        { { { "4S", 420 }, { "4S", 420 }, { "2S", 170 }, { "3NT", -50 } },
            { { "83,33", "16,66" }, { "83,33", "16,66" }, { "33,33", "66,66" },
                { "0,00", "100,00" } } },
        { { { "4S", 420 } }, { { "50,00", "50,00" } } },
        { { { "4S", 420 }, { "4S", -100 } }, { { "100,00", "0,00" }, { "0,00", "100,00" } } },
        { { { "4S", 420 }, { "4S", 420 } }, { { "50,00", "50,00" }, { "50,00", "50,00" } } },
        // A passed-out line scores 0 for both sides and is compared like any other.
        { { { "4S", 420 }, { "PA", 0 }, { "3NT", -50 } },
            { { "100,00", "0,00" }, { "50,00", "50,00" }, { "0,00", "100,00" } } },
        // Two scored lines out of three: compared with each other only.
        { { { "4S", 420 }, { "A", 0 }, { "3NT", -50 } },
            { { "100,00", "0,00" }, { "00,00", "00,00" }, { "0,00", "100,00" } } },
        // A single scored line among several gets an average.
        { { { "A", 0 }, { "4S", 420 }, { "A", 0 } },
            { { "00,00", "00,00" }, { "50,00", "50,00" }, { "00,00", "00,00" } } },
        { { { "1NT", 90 }, { "1NT", 90 }, { "1NT", 120 }, { "1NT", 90 }, { "1NT", -100 },
              { "1NT", 90 }, { "1NT", 90 } },
            { { "50,00", "50,00" }, { "50,00", "50,00" }, { "100,00", "0,00" },
                { "50,00", "50,00" }, { "0,00", "100,00" }, { "50,00", "50,00" },
                { "50,00", "50,00" } } },
    };
    for (const Cas& c : cas) {
        board donne = DonneAvec(c.lignes);
        DialoguesEnregistres dialogues;
        CalculePourcentages(donne, donne.NombreFeuilles, dialogues, "french");
        EXPECT_EQ(Pourcentages(donne), c.attendu) << "first line " << c.lignes.begin()->valeurNS;
    }
}

TEST(CalculePourcentages, AdjustedMarksAreAskedForEachSide) {
    board donne = DonneAvec({ { "4S", 420 }, { "A", 0 }, { "3NT", -50 } });
    DialoguesEnregistres dialogues;
    dialogues.saisies = { "60", "40" };
    CalculePourcentages(donne, 3, dialogues, "french");
    EXPECT_EQ(donne.Feuilles[2].PourcentNS, "60,00");
    EXPECT_EQ(donne.Feuilles[2].PourcentEO, "40,00");
    EXPECT_EQ(dialogues.titres, (std::vector<std::string> { "Marque ajustée", "Marque ajustée" }));
    EXPECT_EQ(dialogues.invites,
        (std::vector<std::string> {
            "Entrez le pourcentage ajusté de NS", "Entrez le pourcentage ajusté de EO" }));
    EXPECT_EQ(dialogues.defauts, (std::vector<std::string> { "0", "0" }));
}

TEST(CalculePourcentages, AdjustedMarkPromptsInEnglishAskAgainAndKeepZeroOnCancel) {
    board donne = DonneAvec({ { "A", 0 } });
    DialoguesEnregistres dialogues;
    dialogues.saisies = { "abc", "7,5", "101", "7", std::nullopt };
    CalculePourcentages(donne, 1, dialogues, "anglais");
    EXPECT_EQ(donne.Feuilles[1].PourcentNS, " 7,00");
    EXPECT_EQ(donne.Feuilles[1].PourcentEO, "00,00");
    ASSERT_EQ(dialogues.invites.size(), 5u);
    EXPECT_EQ(dialogues.titres[0], "Adjusted mark");
    EXPECT_EQ(dialogues.invites[0], "Enter the adjusted percentage of NS");
    EXPECT_EQ(dialogues.invites[3], "Enter the adjusted percentage of NS");
    EXPECT_EQ(dialogues.invites[4], "Enter the adjusted percentage of EO");
}

TEST(CalculePourcentages, OnlyTheFirstNLinesAndNeverPastTheSheets) {
    board donne = DonneAvec({ { "4S", 420 }, { "4S", -100 }, { "4S", 620 } });
    DialoguesEnregistres dialogues;
    CalculePourcentages(donne, 2, dialogues, "french");
    EXPECT_EQ(donne.Feuilles[1].PourcentNS, "100,00");
    EXPECT_EQ(donne.Feuilles[3].PourcentNS, "");
    CalculePourcentages(donne, 9, dialogues, "french");
    EXPECT_EQ(donne.Feuilles[3].PourcentNS, "100,00");
    EXPECT_EQ(donne.Feuilles[1].PourcentNS, "50,00");
}

} // namespace
} // namespace plio
