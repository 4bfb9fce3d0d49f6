#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "scratch_directory.h"
#include "settings/settings_file.h"
#include "text/gbk_text.h"

using settings::SettingsFile;

namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    // A file holding [Setup] Value=`text`, read back as an integer.
    int IntegerFrom(const std::string& text, int defaultValue) {
        WriteFileBytes(ini.Path(), "[Setup]\r\nValue=" + text + "\r\n");
        return ini.ReadInteger("Setup", "Value", defaultValue);
    }
    bool BoolFrom(const std::string& text, bool defaultValue) {
        WriteFileBytes(ini.Path(), "[Setup]\r\nValue=" + text + "\r\n");
        return ini.ReadBool("Setup", "Value", defaultValue);
    }

    ScratchDirectory dir;
    SettingsFile ini{dir.File("配置文件.ini")};
};

}  // namespace

TEST_F(SettingsFileTest, LiesBesideTheGivenDirectory) {
    EXPECT_EQ(SettingsFile::Beside("C:\\Lexora\\").Path(), "C:\\Lexora\\配置文件.ini");
}

TEST_F(SettingsFileTest, AMissingFileSectionOrKeyReadsAsTheDefault) {
    EXPECT_EQ(ini.ReadString("Setup", "Skin", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("Setup", "Skin", 7), 7);
    EXPECT_TRUE(ini.ReadBool("Setup", "TrayIcon", true));
    EXPECT_FALSE(ini.ReadBool("Option", "RunStart", false));
    EXPECT_FALSE(std::filesystem::exists(text::Utf8Path(ini.Path())));

    WriteFileBytes(ini.Path(), "[Setup]\r\nSkin=2\r\n");
    EXPECT_EQ(ini.ReadInteger("Setup", "Min", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Option", "Skin", 5), 5);
}

TEST_F(SettingsFileTest, TheFirstWriteCreatesTheFile) {
    ini.WriteInteger("Setup", "Skin", 0);
    EXPECT_EQ(ReadFileBytes(ini.Path()), "[Setup]\r\nSkin=0\r\n");
}

TEST_F(SettingsFileTest, EveryWriteReachesTheFileAndEveryReadSeesIt) {
    SettingsFile other(ini.Path());
    ini.WriteBool("Setup", "TrayIcon", false);
    EXPECT_FALSE(other.ReadBool("Setup", "TrayIcon", true));
    other.WriteBool("Setup", "Min", true);
    ini.WriteInteger("Setup", "Skin", -12);
    EXPECT_EQ(ReadFileBytes(ini.Path()), "[Setup]\r\nTrayIcon=0\r\nMin=1\r\nSkin=-12\r\n");
    // Nothing is kept between calls: an edit by someone else shows at once.
    WriteFileBytes(ini.Path(), "[Setup]\r\nSkin=3\r\n");
    EXPECT_EQ(ini.ReadInteger("Setup", "Skin", 0), 3);
}

// One read for many keys: the snapshot keeps what the file held then, with
// the same rules as a read of the file; the next read sees the file anew.
TEST_F(SettingsFileTest, ASnapshotReadsEveryKeyAsTheFileHeldItThen) {
    const settings::SettingsSnapshot missing = ini.Read();
    EXPECT_EQ(missing.ReadInteger("Setup", "Skin", 7), 7);
    WriteFileBytes(ini.Path(), "[Setup]\r\nSkin=0x10\r\nMin=x\r\n[KeyWord_List]\r\nItem1= " +
                                   text::gbk::FromUtf8("画龙点睛") + "\r\n");
    const settings::SettingsSnapshot saved = ini.Read();
    ini.WriteInteger("Setup", "Skin", 3);
    EXPECT_EQ(saved.ReadInteger("Setup", "Skin", 0), 16);
    EXPECT_TRUE(saved.ReadBool("Setup", "Min", true));
    EXPECT_EQ(saved.ReadString("keyword_list", "ITEM1", ""), "画龙点睛");
    EXPECT_EQ(saved.ReadString("KeyWord_List", "Item2", "none"), "none");
    EXPECT_EQ(ini.Read().ReadInteger("Setup", "Skin", 0), 3);
}

TEST_F(SettingsFileTest, TextIsStoredInGbkAndReadBackAsWritten) {
    ini.WriteString("KeyWord_List", "Item1", "画龙点睛");
    ini.WriteString("KeyWord_List", "Item2", "");
    EXPECT_EQ(ReadFileBytes(ini.Path()),
              text::gbk::FromUtf8("[KeyWord_List]\r\nItem1=画龙点睛\r\nItem2=\r\n"));
    EXPECT_EQ(ini.ReadString("KeyWord_List", "Item1", ""), "画龙点睛");
    EXPECT_EQ(ini.ReadString("KeyWord_List", "Item2", "default"), "");
}

TEST_F(SettingsFileTest, ReadsIntegersInDecimalOrAfter0x) {
    EXPECT_EQ(IntegerFrom("4", -1), 4);
    EXPECT_EQ(IntegerFrom(" 42 ", -1), 42);
    EXPECT_EQ(IntegerFrom("010", -1), 10);
    EXPECT_EQ(IntegerFrom("-5", -1), -5);
    EXPECT_EQ(IntegerFrom("+7", -1), 7);
    EXPECT_EQ(IntegerFrom("2147483647", -1), 2147483647);
    EXPECT_EQ(IntegerFrom("-2147483648", -1), -2147483647 - 1);
    EXPECT_EQ(IntegerFrom("0x10", -1), 16);
    EXPECT_EQ(IntegerFrom("0X1f", -1), 31);
    EXPECT_EQ(IntegerFrom("0xFFFFFFFF", 0), -1);
}

TEST_F(SettingsFileTest, AnythingButANumberReadsAsTheDefault) {
    for (const char* text : {"", "yes", "0x", "0X", "0xZZ", "0x-1", "12a", "1 2", "-", "+", "$10",
                             "2147483648", "-2147483649", "0x100000000", "４"}) {
        EXPECT_EQ(IntegerFrom(text, 99), 99) << text;
    }
}

TEST_F(SettingsFileTest, ReadsBooleansAsIntegers) {
    EXPECT_TRUE(BoolFrom("yes", true));
    EXPECT_FALSE(BoolFrom("yes", false));
    EXPECT_TRUE(BoolFrom("0x10", false));
    EXPECT_TRUE(BoolFrom("2", false));
    EXPECT_TRUE(BoolFrom("-1", false));
    EXPECT_FALSE(BoolFrom("0", true));
    EXPECT_FALSE(BoolFrom("0x0", true));
    EXPECT_TRUE(BoolFrom("", true));
    ini.WriteBool("Setup", "Value", true);
    EXPECT_EQ(ini.ReadString("Setup", "Value", ""), "1");
    ini.WriteBool("Setup", "Value", false);
    EXPECT_EQ(ini.ReadString("Setup", "Value", ""), "0");
}

TEST_F(SettingsFileTest, AReadGivesAtMost2047Bytes) {
    ini.WriteString("Setup", "Long", std::string(3000, 'a'));
    EXPECT_EQ(ini.ReadString("Setup", "Long", ""), std::string(2047, 'a'));
    EXPECT_EQ(ini.ReadString("Setup", "Missing", std::string(2048, 'b')), std::string(2047, 'b'));
    // Two bytes a character: 1023 characters fit, the next would not.
    std::string chinese;
    for (int i = 0; i < 1500; ++i)
        chinese += "成";
    ini.WriteString("Setup", "Long", "a" + chinese);
    const std::string read = ini.ReadString("Setup", "Long", "");
    EXPECT_EQ(text::gbk::ByteLength(read), 2047u);
    ini.WriteString("Setup", "Long", chinese);
    EXPECT_EQ(text::gbk::ByteLength(ini.ReadString("Setup", "Long", "")), 2046u);
}

TEST_F(SettingsFileTest, AWriteTheFileSystemRefusesNamesTheFile) {
    // A directory where the file should be: it can be neither read nor replaced.
    std::filesystem::create_directory(text::Utf8Path(ini.Path()));
    EXPECT_EQ(ini.ReadInteger("Setup", "Skin", 3), 3);
    try {
        ini.WriteInteger("Setup", "Skin", 1);
        FAIL() << "the write did not fail";
    } catch (const settings::WriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini.Path());
    }
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheFileAsItWas) {
    const std::string before = "; mine\r\n[Setup]\r\nSkin=2\r\n";
    WriteFileBytes(ini.Path(), before);
    // The new contents cannot be put down beside the file.
    std::filesystem::create_directory(text::Utf8Path(ini.Path() + ".new"));
    EXPECT_THROW(ini.WriteInteger("Setup", "Skin", 4), settings::WriteError);
    EXPECT_EQ(ReadFileBytes(ini.Path()), before);
    std::filesystem::remove(text::Utf8Path(ini.Path() + ".new"));
    ini.WriteInteger("Setup", "Skin", 4);
    EXPECT_EQ(ReadFileBytes(ini.Path()), "; mine\r\n[Setup]\r\nSkin=4\r\n");
}

// Windows will not replace a file that another program holds open: a reader
// that has it for a moment delays the write, and nothing is lost.
TEST_F(SettingsFileTest, AReaderHoldingTheFileForAMomentDelaysTheWriteOnly) {
    WriteFileBytes(ini.Path(), "[Setup]\r\nSkin=2\r\n");
    std::atomic<bool> open = false;
    std::thread reader([&] {
        std::ifstream in(text::Utf8Path(ini.Path()), std::ios::binary);
        open = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    });
    while (!open)
        std::this_thread::yield();
    EXPECT_NO_THROW(ini.WriteInteger("Setup", "Skin", 4));
    reader.join();
    EXPECT_EQ(ReadFileBytes(ini.Path()), "[Setup]\r\nSkin=4\r\n");
}

TEST_F(SettingsFileTest, AFileMarkedReadOnlyIsNotWrittenEvenWhereTheSystemWouldAllowIt) {
    const std::string before = "[Setup]\r\nSkin=2\r\n";
    WriteFileBytes(ini.Path(), before);
    namespace fs = std::filesystem;
    fs::permissions(text::Utf8Path(ini.Path()),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_THROW(ini.WriteInteger("Setup", "Skin", 4), settings::WriteError);
    EXPECT_EQ(ini.ReadInteger("Setup", "Skin", 0), 2);
    fs::permissions(text::Utf8Path(ini.Path()), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadFileBytes(ini.Path()), before);
}

TEST_F(SettingsFileTest, KeepsAFileOfAnotherEditor) {
    const std::string utf8 =
        "# saved by hand\n[KeyWord_List]\nItem1 = 画龙点睛\n\n[Setup]\nSkin=2\n";
    WriteFileBytes(ini.Path(), utf8);
    EXPECT_EQ(ini.ReadString("KeyWord_List", "Item1", ""), "画龙点睛");
    ini.WriteInteger("Setup", "Skin", 3);
    EXPECT_EQ(ReadFileBytes(ini.Path()),
              "# saved by hand\n[KeyWord_List]\nItem1 = 画龙点睛\n\n[Setup]\nSkin=3\n");
}
