#include <gtest/gtest.h>

#include "numerics/text_utils.h"

using namespace tubalyx;

TEST(TextUtils, CountsCharactersNotBytes) {
    EXPECT_EQ(Utf8Length("BarÖ"), 4);
    EXPECT_EQ(PadRight("Tryck över", 12, '_'), "Tryck över__");
    EXPECT_EQ(Utf8Length(PadRight("Größe", 10, '_')), 10);
    EXPECT_EQ(PadRight("abcdef", 3, '_'), "abcdef");
    EXPECT_EQ(PadLeft("ä", 3), "  ä");
    EXPECT_EQ(Utf8Left("ÅÄÖabc", 2), "ÅÄ");
    EXPECT_EQ(Utf8Left("ab", 5), "ab");
}

TEST(TextUtils, UpperCaseOnlyAsciiLetters) {
    EXPECT_EQ(AsciiUpper("barö"), "BARö");
    EXPECT_EQ(AsciiUpper("Bar(ü)"), "BAR(ü)");
    EXPECT_EQ(AsciiUpper("kPa1"), "KPA1");
}
