#include <gtest/gtest.h>

#include "settings/ini_document.h"
#include "text/gbk_text.h"

using settings::FileEncoding;
using settings::IniDocument;

namespace {

std::string Changed(std::string_view bytes, std::string_view section, std::string_view key,
                    std::string_view value) {
    IniDocument document = IniDocument::FromBytes(bytes);
    document.SetValue(section, key, value);
    return document.ToBytes();
}

}  // namespace

TEST(IniDocument, FindsSectionsAndKeysWhateverTheirCase) {
    const IniDocument document =
        IniDocument::FromBytes("[SETUP]\r\nskin=3\r\n[option]\r\nRunStart=1\r\n");
    EXPECT_EQ(document.Value("Setup", "Skin"), "3");
    EXPECT_EQ(document.Value("Option", "RUNSTART"), "1");
    EXPECT_EQ(document.Value("Setup", "RunStart"), std::nullopt);
    EXPECT_EQ(document.Value("Other", "Skin"), std::nullopt);
}

TEST(IniDocument, ReadsLinesAsAnEditorMayLeaveThem) {
    const IniDocument document = IniDocument::FromBytes(
        "Stray=before any section\n"
        "  [ Setup ]  \n"
        "; Skin=4 is a comment\n"
        "\n"
        "\tSkin =  2 \t\n"
        "Min\n"
        "Empty=\n"
        "Hint=a=b");
    EXPECT_EQ(document.Value("Setup", "Skin"), "2");
    EXPECT_EQ(document.Value("Setup", "Min"), "");
    EXPECT_EQ(document.Value("Setup", "Empty"), "");
    EXPECT_EQ(document.Value("Setup", "Hint"), "a=b");
    EXPECT_EQ(document.Value("Setup", "; Skin"), std::nullopt);
    EXPECT_EQ(document.Value("Setup", "Stray"), std::nullopt);
}

TEST(IniDocument, TheFirstOfEqualSectionsAndKeysCounts) {
    const std::string bytes =
        "[Setup]\r\nSkin=1\r\nSkin=2\r\n[Option]\r\nRunStart=1\r\n[setup]\r\nSkin=3\r\nMin=0\r\n";
    const IniDocument document = IniDocument::FromBytes(bytes);
    EXPECT_EQ(document.Value("Setup", "Skin"), "1");
    // A key only in the second of two equal sections is not seen.
    EXPECT_EQ(document.Value("Setup", "Min"), std::nullopt);

    EXPECT_EQ(
        Changed(bytes, "Setup", "Skin", "4"),
        "[Setup]\r\nSkin=4\r\nSkin=2\r\n[Option]\r\nRunStart=1\r\n[setup]\r\nSkin=3\r\nMin=0\r\n");
    EXPECT_EQ(
        Changed(bytes, "Setup", "Min", "1"),
        "[Setup]\r\nSkin=1\r\nSkin=2\r\nMin=1\r\n[Option]\r\nRunStart=1\r\n[setup]\r\nSkin=3\r\n"
        "Min=0\r\n");
}

TEST(IniDocument, ChangesOnlyTheLineOfTheKey) {
    const std::string bytes =
        "; settings\r\n\r\n[Setup]\r\n  SKIN = 2  \r\n\r\n; next\r\n[Option]\r\nRunStart=0";
    EXPECT_EQ(Changed(bytes, "setup", "Skin", "0"),
              "; settings\r\n\r\n[Setup]\r\nSKIN=0\r\n\r\n; next\r\n[Option]\r\nRunStart=0");
    // A last line without a line end keeps having none.
    EXPECT_EQ(Changed(bytes, "Option", "RunStart", "1"),
              "; settings\r\n\r\n[Setup]\r\n  SKIN = 2  \r\n\r\n; next\r\n[Option]\r\nRunStart=1");
}

TEST(IniDocument, AddsAKeyBehindTheLastKeyOfItsSection) {
    EXPECT_EQ(Changed("[Setup]\r\nSkin=2\r\n\r\n; next\r\n[Option]\r\n", "Setup", "Min", "1"),
              "[Setup]\r\nSkin=2\r\nMin=1\r\n\r\n; next\r\n[Option]\r\n");
    EXPECT_EQ(Changed("[Setup]\r\n\r\n[Option]\r\n", "Setup", "Min", "1"),
              "[Setup]\r\nMin=1\r\n\r\n[Option]\r\n");
    EXPECT_EQ(Changed("[Setup]\r\nSkin=2", "Setup", "Min", "1"), "[Setup]\r\nSkin=2\r\nMin=1\r\n");
}

TEST(IniDocument, AddsAMissingSectionAtTheEnd) {
    EXPECT_EQ(Changed("", "Setup", "Skin", "0"), "[Setup]\r\nSkin=0\r\n");
    EXPECT_EQ(Changed("[Setup]\r\nSkin=0", "Option", "RunStart", "1"),
              "[Setup]\r\nSkin=0\r\n[Option]\r\nRunStart=1\r\n");
}

TEST(IniDocument, KeepsTheLineEndsOfTheFile) {
    EXPECT_EQ(Changed("; unix\n[Setup]\nSkin=2\n", "Setup", "Min", "1"),
              "; unix\n[Setup]\nSkin=2\nMin=1\n");
    EXPECT_EQ(Changed("[Setup]\nSkin=2\n", "Option", "RunStart", "1"),
              "[Setup]\nSkin=2\n[Option]\nRunStart=1\n");
    // Each existing line keeps its own end; new lines take the first one.
    EXPECT_EQ(Changed("[Setup]\nSkin=2\r\nMin=0\n", "Setup", "Skin", "3"),
              "[Setup]\nSkin=3\r\nMin=0\n");
    EXPECT_EQ(Changed("[Setup]\nSkin=2\r\n", "Setup", "Min", "1"), "[Setup]\nSkin=2\r\nMin=1\n");
}

TEST(IniDocument, ReadsAndWritesGbk) {
    const std::string bytes = text::gbk::FromUtf8("[KeyWord_List]\r\nItem1=画龙点睛\r\n");
    IniDocument document = IniDocument::FromBytes(bytes);
    EXPECT_EQ(document.Encoding(), FileEncoding::Gbk);
    EXPECT_EQ(document.Value("KeyWord_List", "Item1"), "画龙点睛");
    document.SetValue("KeyWord_List", "Item2", "中文");
    EXPECT_EQ(document.ToBytes(),
              text::gbk::FromUtf8("[KeyWord_List]\r\nItem1=画龙点睛\r\nItem2=中文\r\n"));
}

TEST(IniDocument, ReadsGbkWhoseSecondByteLooksLikeABracket) {
    // 乚 is 0x81 0x5D in GBK: its second byte is "]". 乕 is 0x81 0x5B, "[".
    const std::string bytes = text::gbk::FromUtf8("[乚乕]\r\nItem1=乕x]\r\n[Setup]\r\nSkin=1\r\n");
    const IniDocument document = IniDocument::FromBytes(bytes);
    EXPECT_EQ(document.Value("乚乕", "Item1"), "乕x]");
    EXPECT_EQ(document.Value("Setup", "Skin"), "1");
}

TEST(IniDocument, KeepsLinesItDoesNotChangeByteForByte) {
    // 0xFF is no GBK at all; decoding and encoding it again would change it.
    const std::string bytes = "[Setup]\r\nNote=\xFF\xFE\x80\r\nSkin=1\r\n";
    EXPECT_EQ(Changed(bytes, "Setup", "Skin", "2"), "[Setup]\r\nNote=\xFF\xFE\x80\r\nSkin=2\r\n");
}

TEST(IniDocument, KeepsAUtf8FileInUtf8) {
    IniDocument plain = IniDocument::FromBytes("[KeyWord_List]\nItem1=画龙点睛\n");
    EXPECT_EQ(plain.Encoding(), FileEncoding::Utf8);
    EXPECT_EQ(plain.Value("KeyWord_List", "Item1"), "画龙点睛");
    plain.SetValue("KeyWord_List", "Item2", "中文");
    EXPECT_EQ(plain.ToBytes(), "[KeyWord_List]\nItem1=画龙点睛\nItem2=中文\n");

    IniDocument marked = IniDocument::FromBytes("\xEF\xBB\xBF[Setup]\r\nSkin=1\r\n");
    EXPECT_EQ(marked.Encoding(), FileEncoding::Utf8WithBom);
    EXPECT_EQ(marked.Value("Setup", "Skin"), "1");
    marked.SetValue("KeyWord_List", "Item1", "中文");
    EXPECT_EQ(marked.ToBytes(),
              "\xEF\xBB\xBF[Setup]\r\nSkin=1\r\n[KeyWord_List]\r\nItem1=中文\r\n");
}

TEST(IniDocument, MarksAUtf8FileThatAValueWouldMakeLookLikeGbk) {
    // "ǜ" takes two bytes in UTF-8, as no Chinese character does.
    IniDocument document = IniDocument::FromBytes("[KeyWord_List]\nItem1=画龙点睛\n");
    document.SetValue("S_List", "Item1", "lǜ");
    const IniDocument reread = IniDocument::FromBytes(document.ToBytes());
    EXPECT_EQ(reread.Encoding(), FileEncoding::Utf8WithBom);
    EXPECT_EQ(reread.Value("KeyWord_List", "Item1"), "画龙点睛");
    EXPECT_EQ(reread.Value("S_List", "Item1"), "lǜ");

    // Left with ASCII alone, the file reads the same in either encoding.
    IniDocument ascii = IniDocument::FromBytes("[Setup]\nName=画\n");
    ascii.SetValue("Setup", "Name", "x");
    EXPECT_EQ(ascii.ToBytes(), "[Setup]\nName=x\n");
}

TEST(IniDocument, TakesGbkThatHappensToBeValidUtf8AsGbk) {
    // 十一 in GBK is CA AE D2 BB: two valid two-byte UTF-8 characters.
    const std::string bytes = text::gbk::FromUtf8("[KeyWord_List]\r\nItem11=十一\r\n");
    IniDocument document = IniDocument::FromBytes(bytes);
    EXPECT_EQ(document.Encoding(), FileEncoding::Gbk);
    EXPECT_EQ(document.Value("KeyWord_List", "Item11"), "十一");
    document.SetValue("KeyWord_List", "Item1", "画龙点睛");
    EXPECT_EQ(document.ToBytes(),
              text::gbk::FromUtf8("[KeyWord_List]\r\nItem11=十一\r\nItem1=画龙点睛\r\n"));
}

TEST(IniDocument, TakesAsciiOnlyTextAsGbk) {
    IniDocument document = IniDocument::FromBytes("[Setup]\r\nSkin=1\r\n");
    EXPECT_EQ(document.Encoding(), FileEncoding::Gbk);
    document.SetValue("S_List", "Item1", "中");
    EXPECT_EQ(document.ToBytes(), "[Setup]\r\nSkin=1\r\n[S_List]\r\nItem1=\xD6\xD0\r\n");
}
