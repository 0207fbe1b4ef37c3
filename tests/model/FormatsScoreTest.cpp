#include "model/Score.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

TEST(FormatPourcent, TruncatedTwoDecimals) {
    const std::pair<double, const char*> cas[] = {
        { 0, "0,00" },
        { 100, "100,00" },
        { 56.25, "56,25" },
        { 5.5, "05,50" },
        { 7.125, "07,12" },
        { 0.5, "00,50" },
        { 0.05, "00,05" },
        { 0.29, "00,29" },
        { 0.57, "00,57" },
        { 200.0 / 3, "66,66" },
        { 100.0 / 3, "33,33" },
        { 99.999, "99,99" },
        { 10, "10,00" },
        { 4.35, "04,35" },
        { 1.15, "01,15" },
    };
    for (const auto& [x, attendu] : cas)
        EXPECT_EQ(FormatPourcent(x), attendu) << x;
}

TEST(FormatFraction, TruncatedPercentOfAFraction) {
    const std::pair<double, const char*> cas[] = {
        { 0, "0,00" },
        { 1, "100,00" },
        { 1.0 / 3, "33,33" },
        { 2.0 / 3, "66,66" },
        { 2.5 / 3, "83,33" },
        { 0.5 / 3, "16,66" },
        { 0.5, "50,00" },
        { 0.0029, "00,29" },
        { 0.07125, "07,12" },
        { 0.5625, "56,25" },
        { 1.0 / 7, "14,28" },
        { 6.0 / 7, "85,71" },
        { 0.58, "58,00" },
    };
    for (const auto& [f, attendu] : cas)
        EXPECT_EQ(FormatFraction(f), attendu) << f;
}

TEST(FormatPourcentEntier, TypedWholePercentages) {
    const std::pair<const char*, const char*> cas[] = {
        { "100", "100,00" },
        { "99", "99,00" },
        { "10", "10,00" },
        { "9", " 9,00" },
        { "1", " 1,00" },
        { "0", "00,00" },
        { "-5", "00,00" },
        { "150", "100,00" },
        { "abc", "00,00" },
        { "", "00,00" },
    };
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(FormatPourcentEntier(texte), attendu) << texte;
}

TEST(ArrondiPourcent, NearestWholePercentHalvesToEven) {
    const std::pair<const char*, const char*> cas[] = {
        { "100,00", "100" },
        { "100", "100" },
        { "0,00", "0" },
        { "0", "0" },
        { "33,33", "33" },
        { "66,66", "67" },
        { "50,50", "50" },
        { "51,50", "52" },
        { "0,50", "0" },
        { " 7,00", "7" },
        { "99,50", "100" },
        { "100,50", "100" },
        { "100,51", "0" },
        { "-3,00", "0" },
        { "abc", "0" },
        { "", "0" },
        { "12.6", "13" },
        { "1e3", "0" },
        { "inf", "0" },
        { "5,5,5", "0" },
    };
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(ArrondiPourcent(texte), attendu) << texte;
}

TEST(FormatEcart, OneDecimalPercentOrWholeNumber) {
    const std::pair<double, const char*> premier[] = {
        { 56.78, "56,7%" },
        { 0.3, "0,3%" },
        { 0, "0,0%" },
        { -0.3, "-0,3%" },
        { -5.6, "-5,6%" },
        { -12.34, "-12,3%" },
        { 100, "100,0%" },
        { 0.7, "0,7%" },
        { 1.1, "1,1%" },
        { -0.04, "0,0%" },
    };
    for (const auto& [x, attendu] : premier)
        EXPECT_EQ(FormatEcart(1, x), attendu) << x;
    EXPECT_EQ(FormatEcart(2, 56.78), "56");
    EXPECT_EQ(FormatEcart(2, -3.9), "-3");
}

TEST(FormatPerte, NegativeWithDecimalPoint) {
    const std::pair<double, const char*> premier[] = {
        { 0, "0.0%" },
        { 0.35, "-0.3%" },
        { 0.05, "-0.0%" },
        { 1, "-1.0%" },
        { 2.35, "-2.3%" },
        { 9.99, "-9.9%" },
        { 10, "-10%" },
        { 12.7, "-12%" },
        { 0.7, "-0.7%" },
        { -0.0001, "0.0%" },
    };
    for (const auto& [x, attendu] : premier)
        EXPECT_EQ(FormatPerte(1, x), attendu) << x;
    EXPECT_EQ(FormatPerte(2, 12.7), "-12");
    EXPECT_EQ(FormatPerte(2, 0), "-0");
}

} // namespace
} // namespace plio
