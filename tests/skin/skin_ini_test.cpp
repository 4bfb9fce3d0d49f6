#include <gtest/gtest.h>

#include "skin/rgb_triple.h"
#include "skin/skin_ini.h"

using skin::MakeColour;
using skin::ParseRgbTriple;
using skin::TSkinIni;
using namespace std::literals;

namespace {

TSkinIni Parse(std::string_view text) {
    TSkinIni ini;
    ini.LoadFromStream(text);
    return ini;
}

}  // namespace

TEST(SkinIni, KeepsTrimmedMeaningfulLinesAndIndexesTheHeaders) {
    const TSkinIni ini = Parse(
        "  [TitlebarSkin]  \r\n"
        "SkinName = Calm \r\n"
        "\r\n"
        "; a comment\n"
        "   ;another\r"
        "[ Colours ]\r\r\n"
        "ButtonFace=1 2 3");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[TitlebarSkin]", "SkinName = Calm",
                                                     "[ Colours ]", "ButtonFace=1 2 3"}));
    EXPECT_EQ(ini.FindSection("titlebarskin"), 0);
    // A header with spaces inside its brackets is listed trimmed, but only
    // its exact text finds it.
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"TitlebarSkin", "Colours"}));
    EXPECT_EQ(ini.FindSection("Colours"), -1);
    EXPECT_EQ(ini.FindSection(" Colours "), 2);
}

TEST(SkinIni, EndsTheTextAtANulAndSplitsAtEveryKindOfLineBreak) {
    const TSkinIni ini = Parse("[a]\nx=1\r\ny=2\rz=3\n\r\0[b]\nw=4"sv);
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[a]", "x=1", "y=2", "z=3"}));
    EXPECT_EQ(ini.ReadString("a", "z", ""), "3");
    EXPECT_EQ(ini.FindSection("b"), -1);
}

TEST(SkinIni, ReloadingForgetsTheOldText) {
    TSkinIni ini = Parse("[a]\nx=1");
    ini.LoadFromStream("[b]\ny=2");
    EXPECT_EQ(ini.ReadString("a", "x", "none"), "none");
    EXPECT_EQ(ini.ReadString("b", "y", "none"), "2");
}

TEST(SkinIni, LooksUpSectionsAndKeysWithoutRegardToLetterCase) {
    const TSkinIni ini = Parse("[Buttons]\nRightwidth=5\n  LeftWidth  =  7 8  \nTile=a=b\n");
    EXPECT_EQ(ini.ReadInteger("buttons", "RightWidth", 0), 5);
    EXPECT_EQ(ini.ReadString("BUTTONS", "leftwidth", ""), "7 8");
    EXPECT_EQ(ini.ReadString("Buttons", "Tile", ""), "a=b");
    EXPECT_EQ(ini.ReadString("Buttons", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Nowhere", "Tile", "dflt"), "dflt");
}

TEST(SkinIni, TheFirstOccurrenceOfAKeyWinsEvenWhenEmpty) {
    const TSkinIni ini = Parse("[Colours]\nButtonFace=\nButtonFace=1 2 3\nMenu=9\nmenu=10\n");
    EXPECT_EQ(ini.ReadString("Colours", "ButtonFace", "default"), "default");
    EXPECT_EQ(ini.ReadInteger("Colours", "Menu", 0), 9);
}

TEST(SkinIni, ASectionEndsAtTheNextHeaderAndTheFirstOfTwoEqualHeadersIsUsed) {
    const TSkinIni ini = Parse(
        "[Colours]\n"
        ";ButtonFace=1 1 1\n"
        "Menu=1\n"
        "[Fonts]\n"
        "ButtonFace=2 2 2\n"
        "[colours]\n"
        "ButtonFace=3 3 3\n");
    EXPECT_EQ(ini.ReadString("Colours", "ButtonFace", "absent"), "absent");
    EXPECT_EQ(ini.ReadString("Colours", "Menu", ""), "1");
    EXPECT_EQ(ini.ReadString("Fonts", "ButtonFace", ""), "2 2 2");
}

TEST(SkinIni, ALineWithoutEqualsSignHasAnEmptyKey) {
    const TSkinIni ini = Parse("[s]\njust text\n=orphan\nkey\n");
    EXPECT_EQ(ini.ReadString("s", "key", "d"), "d");
    EXPECT_EQ(ini.ReadString("s", "just text", "d"), "d");
}

TEST(SkinIni, ReadsDecimalAndHexadecimalIntegers) {
    const TSkinIni ini = Parse(
        "[n]\n"
        "dec=42\nneg=-7\nplus=+3\nhex=0x1F\nHEX=0XfF\ndollar=$10\nbare=0x\n"
        "wrap=0xFFFFFFFF\nlong=0x123456789\nbig=2147483648\nlow=-2147483648\n"
        "junk=12abc\nspace=1 2\nempty=\nsign=-\n");
    EXPECT_EQ(ini.ReadInteger("n", "dec", 0), 42);
    EXPECT_EQ(ini.ReadInteger("n", "neg", 0), -7);
    EXPECT_EQ(ini.ReadInteger("n", "plus", 0), 3);
    EXPECT_EQ(ini.ReadInteger("n", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("n", "HEX", 0), 31);  // the key "hex" came first
    EXPECT_EQ(ini.ReadInteger("n", "dollar", 0), 16);
    EXPECT_EQ(ini.ReadInteger("n", "bare", -1), -1);
    EXPECT_EQ(ini.ReadInteger("n", "wrap", 0), -1);
    EXPECT_EQ(ini.ReadInteger("n", "long", 5), 5);
    EXPECT_EQ(ini.ReadInteger("n", "big", 5), 5);
    EXPECT_EQ(ini.ReadInteger("n", "low", 0), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("n", "junk", 5), 5);
    EXPECT_EQ(ini.ReadInteger("n", "space", 5), 5);
    EXPECT_EQ(ini.ReadInteger("n", "empty", 5), 5);
    EXPECT_EQ(ini.ReadInteger("n", "sign", 5), 5);
    EXPECT_EQ(ini.ReadInteger("n", "absent", 5), 5);
    EXPECT_EQ(Parse("[n]\nx=0X1f\n").ReadInteger("n", "x", 0), 31);
}

TEST(RgbTriple, ReadsThreeNumbersWhateverSeparatesThem) {
    EXPECT_EQ(ParseRgbTriple("236 233 216"), 0x00D8E9EC);
    EXPECT_EQ(ParseRgbTriple("  1,2,3  "), MakeColour(1, 2, 3));
    EXPECT_EQ(ParseRgbTriple("r10 g20 b30;"), MakeColour(10, 20, 30));
    EXPECT_EQ(ParseRgbTriple("1  2\t3"), MakeColour(1, 2, 3));
    EXPECT_EQ(ParseRgbTriple("1 2 3 4 5"), MakeColour(1, 2, 3));
    EXPECT_EQ(ParseRgbTriple("1 2 3 "), MakeColour(1, 2, 3));
}

TEST(RgbTriple, FewerThanThreeNumbersLeaveComponentsZero) {
    EXPECT_EQ(ParseRgbTriple("200"), 0);
    EXPECT_EQ(ParseRgbTriple("10 20"), MakeColour(10, 0, 0));
    EXPECT_EQ(ParseRgbTriple("10 20,"), MakeColour(10, 20, 0));
    EXPECT_EQ(ParseRgbTriple(""), 0);
    EXPECT_EQ(ParseRgbTriple("none"), 0);
}

TEST(RgbTriple, ComponentsKeepTheirLowEightBits) {
    EXPECT_EQ(ParseRgbTriple("256 257 511"), MakeColour(0, 1, 255));
    EXPECT_EQ(ParseRgbTriple("99999999999999999999 0 0"), MakeColour(255, 0, 0));
}
