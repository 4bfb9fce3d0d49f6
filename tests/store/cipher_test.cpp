#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "store/field_cipher.h"
#include "store/store_error.h"
#include "text/gbk_text.h"

using store::DecipherField;
using store::EncipherField;
using store::HexDecode;
using store::HexEncode;

namespace {

// The cipher as it was first described: twenty passes, each XORing every
// byte with one byte of the key phrase, from the last key byte to the first,
// re-encoding as hexadecimal between passes.
std::string DecipherByPasses(const std::string& stored) {
    const std::string key = "Keep Out Of My Data!";
    std::string cur = stored;
    for (int i = 20; i >= 1; --i) {
        std::string out;
        for (unsigned char b : HexDecode(cur)) {
            out += HexEncode(
                std::string(1, static_cast<char>(b ^ static_cast<unsigned char>(key[i - 1]))));
        }
        cur = out;
    }
    return HexDecode(cur);
}

}  // namespace

TEST(Hex, EncodesAndDecodesTheKnownVectors) {
    EXPECT_EQ(HexEncode("abc"), "616263");
    EXPECT_EQ(HexEncode(std::string("\x00\xff\x0a", 3)), "00FF0A");
    EXPECT_EQ(HexDecode("616263"), "abc");
    EXPECT_EQ(HexDecode("00ff0A"), std::string("\x00\xff\x0a", 3));
    EXPECT_EQ(HexDecode("616"), std::string("\x61\x60"));
    EXPECT_EQ(HexDecode(""), "");
}

TEST(Hex, RefusesAPairThatIsNotHexadecimal) {
    EXPECT_THROW(HexDecode("61G2"), store::ConversionError);
    EXPECT_THROW(HexDecode("6 "), store::ConversionError);
    try {
        HexDecode("61ZZ");
    } catch (const store::ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("ZZ"), std::string::npos);
    }
}

TEST(Hex, NamesTheRefusedPairInWholeCharacters) {
    const auto message = [](std::string_view hex) {
        try {
            HexDecode(hex);
        } catch (const store::ConversionError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message("6中"), "“6中”不是有效的十六进制数");
    EXPECT_EQ(message("中6"), "“中”不是有效的十六进制数");
    EXPECT_EQ(message("41\3771"), "“\uFFFD1”不是有效的十六进制数");  // 0xFF
    EXPECT_EQ(message("4\xE4\xB8"), "“4\uFFFD\uFFFD”不是有效的十六进制数");
}

TEST(FieldCipher, FoldsTheTwentyPassesIntoOne) {
    std::mt19937 random(7);
    for (int n = 0; n < 200; ++n) {
        std::string bytes(random() % 64, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random());
        const std::string stored = HexEncode(bytes);
        EXPECT_EQ(DecipherField(stored), text::gbk::ToUtf8(DecipherByPasses(stored)));
    }
    const std::string text = "井底的蛙只能看到井口那么大的一块天。";
    EXPECT_EQ(DecipherByPasses(EncipherField(text)), text::gbk::FromUtf8(text));
}

TEST(FieldCipher, RoundTripsChineseTextIncludingCharactersGbkLacks) {
    for (const std::string text : {"", "按照画像去寻求好马。", "《汉书·梅福传》：“今不循伯者之道”",
                                   "ẞ、𠀀、😀 and €～", "a\r\nb\t"}) {
        const std::string stored = EncipherField(text);
        EXPECT_EQ(stored.size() % 2, 0u);
        EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos);
        EXPECT_EQ(DecipherField(stored), text);
    }
}

TEST(FieldCipher, ReportsAnOddLengthAndEmptyText) {
    EXPECT_FALSE(DecipherField("ABC").has_value());
    EXPECT_EQ(DecipherField(""), "");
    EXPECT_THROW(DecipherField("ABCG"), store::ConversionError);
}
