#include <gtest/gtest.h>

#include "text/gbk_text.h"
#include "text/utf8.h"

namespace text {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

}  // namespace

TEST(GbkText, GivesGbkBytesForGbkCharacters) {
    EXPECT_EQ(gbk::FromUtf8("中"), Bytes({0xD6, 0xD0}));
    EXPECT_EQ(gbk::FromUtf8("成语ab"), Bytes({0xB3, 0xC9, 0xD3, 0xEF, 'a', 'b'}));
    EXPECT_EQ(gbk::FromUtf8("："), Bytes({0xA3, 0xBA}));
    EXPECT_EQ(gbk::FromUtf8("龃"), Bytes({0xF6, 0xB4}));
    EXPECT_EQ(gbk::ToUtf8(Bytes({0xD6, 0xD0, 0x41})), "中A");
}

TEST(GbkText, WritesCharactersGbkLacksInFourBytes) {
    EXPECT_EQ(gbk::FromUtf8("\u0080"), Bytes({0x81, 0x30, 0x81, 0x30}));
    EXPECT_EQ(gbk::FromUtf8("𠀀"), Bytes({0x95, 0x32, 0x82, 0x36}));
    EXPECT_EQ(gbk::FromUtf8("\U0010FFFF"), Bytes({0xE3, 0x32, 0x9A, 0x35}));
    EXPECT_EQ(gbk::ToUtf8(Bytes({0x95, 0x32, 0x82, 0x36})), "𠀀");
}

TEST(GbkText, RoundTripsEveryCodePoint) {
    int unencodable = 0;
    for (char32_t cp = 1; cp <= 0x10FFFF; cp += (cp < 0x10000 ? 1 : 37)) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        std::string s;
        utf8::Append(s, cp);
        const std::string back = gbk::ToUtf8(gbk::FromUtf8(s));
        // The 2005 edition gave the codes of a few private-use code points to
        // standard characters; those private-use points have no code now.
        if (cp >= 0xE000 && cp <= 0xF8FF && back == "?") {
            ++unencodable;
            continue;
        }
        ASSERT_EQ(back, s) << "U+" << std::hex << static_cast<uint32_t>(cp);
    }
    EXPECT_LE(unencodable, 24);
}

TEST(GbkText, ReplacesWhatEncodesNothing) {
    EXPECT_EQ(gbk::ToUtf8(Bytes({0x80})), "\uFFFD");
    EXPECT_EQ(gbk::ToUtf8(Bytes({0xFF, 'a'})), "\uFFFDa");
    EXPECT_EQ(gbk::ToUtf8(Bytes({0xD6})), "\uFFFD");                     // cut after the lead byte
    EXPECT_EQ(gbk::ToUtf8(Bytes({0x81, 0x30, 0x81})), "\uFFFD0\uFFFD");  // cut four-byte code
    EXPECT_EQ(gbk::FromUtf8("a\xE4\xB8"), "a??");                        // cut UTF-8
}

TEST(GbkText, CountsBytes) {
    EXPECT_EQ(gbk::ByteLength("成语"), 4u);
    EXPECT_EQ(gbk::ByteLength("abcd"), 4u);
    EXPECT_EQ(gbk::ByteLength("成a"), 3u);
    EXPECT_EQ(gbk::ByteLength(""), 0u);
}

TEST(GbkText, LimitsTextToWholeCharactersOfGbkBytes) {
    EXPECT_EQ(gbk::LimitBytes("按图索骥", 8), "按图索骥");
    EXPECT_EQ(gbk::LimitBytes("按图索骥海", 8), "按图索骥");
    EXPECT_EQ(gbk::LimitBytes("abcdefghij", 8), "abcdefgh");
    EXPECT_EQ(gbk::LimitBytes("a按图索骥", 8),
              "a按图索");                        // 7 bytes: a half character does not fit
    EXPECT_EQ(gbk::LimitBytes("𠀀a", 4), "𠀀");  // four bytes in GB18030
    EXPECT_EQ(gbk::LimitBytes("", 8), "");
    // A byte that starts no character counts as the "?" it is written as.
    EXPECT_EQ(gbk::LimitBytes("a\377bc", 3), "a\377b");       // 0xFF
    EXPECT_EQ(gbk::LimitBytes("\344\270a", 3), "\344\270a");  // half of 中
}

}  // namespace text
