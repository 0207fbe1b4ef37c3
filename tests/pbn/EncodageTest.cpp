#include "pbn/Encodage.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

TEST(Encodage, Utf8Validity)
{
    EXPECT_TRUE(Utf8Valide("Jos\xC3\xA9 \xE2\x82\xAC"));
    EXPECT_TRUE(Utf8Valide(""));
    EXPECT_FALSE(Utf8Valide("Jos\xE9")); // Latin-1 é
    EXPECT_FALSE(Utf8Valide("\xC3")); // cut sequence
    EXPECT_FALSE(Utf8Valide("\xC0\xAF")); // overlong
    EXPECT_FALSE(Utf8Valide("\xED\xA0\x80")); // surrogate
}

TEST(Encodage, Windows1252ToUtf8)
{
    EXPECT_EQ(Windows1252VersUtf8("Jos\xE9 M\xFCller"), "Jos\xC3\xA9 M\xC3\xBCller");
    EXPECT_EQ(Windows1252VersUtf8("\x80 \x9C \x92"), "\xE2\x82\xAC \xC5\x93 \xE2\x80\x99");
    EXPECT_EQ(Windows1252VersUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(Windows1252VersUtf8("plain"), "plain");
}

TEST(Encodage, TextEncodedTwiceComesBack)
{
    // "José" and "Œuvre’s" written as UTF-8, read as Windows-1252, written as UTF-8 again.
    EXPECT_EQ(RepareDoubleEncodage("Jos\xC3\x83\xC2\xA9"), "Jos\xC3\xA9");
    EXPECT_EQ(RepareDoubleEncodage(Windows1252VersUtf8("\xC5\x92uvre\xE2\x80\x99s")),
        "\xC5\x92uvre\xE2\x80\x99s");
    // Real text stays as it is.
    for (const char* texte : { "Jos\xC3\xA9", "plain",
             "\xE2\x82\xAC"
             "10",
             "Fran\xC3\xA7ois" })
        EXPECT_EQ(RepareDoubleEncodage(texte), texte);
}

} // namespace
} // namespace plio
