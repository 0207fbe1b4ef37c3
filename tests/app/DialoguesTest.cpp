#include "model/Dialogues.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

TEST(SaisieEntier, RefusesNonNumbersAndAsksAgain)
{
    Langue = "anglais";
    DialoguesScriptes d;
    d.saisies = { "trois", "3.5", " 12 " };
    EXPECT_EQ(d.SaisieEntier("Number of tables", "How many?", 4), 12);
    EXPECT_EQ(d.invites.size(), 3u);
    EXPECT_EQ(
        d.messages, (std::vector<std::string> { "Typographical error", "Typographical error" }));
    Langue = "french";
}

TEST(SaisieEntier, CancelGivesNothingAndNoAnswerGivesTheProposal)
{
    DialoguesScriptes d;
    d.saisies = { std::nullopt };
    EXPECT_EQ(d.SaisieEntier("t", "i", 4), std::nullopt);
    EXPECT_EQ(d.SaisieEntier("t", "i", -7), -7);
    EXPECT_TRUE(d.messages.empty());
}

TEST(EntierDe, AcceptsWholeNumbersOnly)
{
    EXPECT_EQ(Dialogues::EntierDe("-3"), -3);
    EXPECT_EQ(Dialogues::EntierDe("  42"), 42);
    for (const char* faux : { "", " ", "4x", "x4", "1 2", "99999999999" })
        EXPECT_EQ(Dialogues::EntierDe(faux), std::nullopt) << faux;
}

} // namespace
} // namespace plio
