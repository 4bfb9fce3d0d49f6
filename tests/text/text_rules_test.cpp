#include <gtest/gtest.h>

#include "text/text_rules.h"

TEST(TextRules, TrimsControlCharactersAndSpacesOnly) {
    EXPECT_EQ(text::Trim(" \t\r\n成语\x01 "), "成语");
    EXPECT_EQ(text::Trim("\x1f a b \x7f"), "a b \x7f");
    EXPECT_EQ(text::Trim("　全角　"), "　全角　");  // ideographic spaces are characters
    EXPECT_EQ(text::Trim("   "), "");
    EXPECT_TRUE(text::IsBlank(" \t\n"));
    EXPECT_FALSE(text::IsBlank(" x "));
}

TEST(TextRules, UpperCasesAsciiLettersOnly) {
    EXPECT_EQ(text::UpperAscii("atsj"), "ATSJ");
    EXPECT_EQ(text::UpperAscii("ü成a1"), "ü成A1");
}

TEST(TextRules, LowerCasesAsciiLettersOnly) {
    // The bytes of Ü and of GBK's full-width Ａ stay: only A to Z change.
    EXPECT_EQ(text::LowerAscii("AZ@[`Ü\xa3\xc1.BMP"), "az@[`Ü\xa3\xc1.bmp");
}
