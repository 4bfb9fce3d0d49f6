#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "app/options_menu.h"
#include "settings/scratch_directory.h"

using settings::OptionsView;
using settings::SettingsFile;

namespace {

// The three check marks and the icon, as plain values.
struct Menu : OptionsView {
    bool trayIcon = false;
    bool minimize = false;
    bool runStart = false;
    std::optional<bool> iconVisible;  // nothing until the icon is told

    bool TrayIconChecked() const override { return trayIcon; }
    void SetTrayIconChecked(bool checked) override { trayIcon = checked; }
    bool MinimizeToTrayChecked() const override { return minimize; }
    void SetMinimizeToTrayChecked(bool checked) override { minimize = checked; }
    bool RunStartChecked() const override { return runStart; }
    void SetRunStartChecked(bool checked) override { runStart = checked; }
    void SetIconVisible(bool visible) override { iconVisible = visible; }
};

struct Registry : settings::AutostartRegistry {
    bool refuse = false;
    std::optional<std::string> value;

    void Register(const std::string& command) override {
        if (refuse)
            throw settings::AutostartError();
        value = command;
    }
    void Unregister() override { value.reset(); }
};

class OptionsMenuTest : public ::testing::Test {
  protected:
    std::string Stored(std::string_view section, std::string_view key) const {
        return ini.ReadString(section, key, "missing");
    }

    ScratchDirectory dir;
    SettingsFile ini{dir.File("配置文件.ini")};
    Menu menu;
};

// One row: the check marks before, then after the command the check marks,
// the icon and the two stored keys ("1" or "0").
struct Row {
    bool trayIcon, minimize;
    bool trayIconAfter, minimizeAfter, iconAfter;
    const char* storedTrayIcon;
    const char* storedMinimize;
};

}  // namespace

TEST_F(OptionsMenuTest, TheTrayIconCommandTakesMinimiseToTrayWithIt) {
    const Row rows[] = {
        {false, false, true, false, true, "1", "0"},
        {true, false, false, false, false, "0", "0"},
        {true, true, false, false, false, "0", "0"},
    };
    for (const Row& row : rows) {
        menu.trayIcon = row.trayIcon;
        menu.minimize = row.minimize;
        settings::ToggleTrayIcon(menu, ini);
        SCOPED_TRACE(testing::Message() << "from " << row.trayIcon << row.minimize);
        EXPECT_EQ(menu.trayIcon, row.trayIconAfter);
        EXPECT_EQ(menu.minimize, row.minimizeAfter);
        EXPECT_EQ(menu.iconVisible, row.iconAfter);
        EXPECT_EQ(Stored("Setup", "TrayIcon"), row.storedTrayIcon);
        EXPECT_EQ(Stored("Setup", "Min"), row.storedMinimize);
    }
}

TEST_F(OptionsMenuTest, TheMinimiseToTrayCommandBringsTheTrayIconAlong) {
    const Row rows[] = {
        {false, false, true, true, true, "1", "1"},
        {true, false, true, true, true, "1", "1"},
        // Unchecking leaves the icon option as it was.
        {true, true, true, false, true, "1", "0"},
    };
    for (const Row& row : rows) {
        menu.trayIcon = row.trayIcon;
        menu.minimize = row.minimize;
        settings::ToggleMinimizeToTray(menu, ini);
        SCOPED_TRACE(testing::Message() << "from " << row.trayIcon << row.minimize);
        EXPECT_EQ(menu.trayIcon, row.trayIconAfter);
        EXPECT_EQ(menu.minimize, row.minimizeAfter);
        EXPECT_EQ(menu.iconVisible, row.iconAfter);
        EXPECT_EQ(Stored("Setup", "TrayIcon"), row.storedTrayIcon);
        EXPECT_EQ(Stored("Setup", "Min"), row.storedMinimize);
    }
}

TEST_F(OptionsMenuTest, StartUpAppliesTheSameRuleAndWritesNothing) {
    // [Setup] TrayIcon and Min as found in the file (null: no such key), then
    // the check marks and the icon.
    struct StartRow {
        const char* trayIcon;
        const char* minimize;
        bool trayIconAfter, minimizeAfter;
    };
    const StartRow rows[] = {
        {nullptr, nullptr, true, true}, {"0", "1", true, true},    {"0", "0", false, false},
        {"1", "0", true, false},        {"yes", "0", true, false}, {"0", nullptr, true, true},
    };
    for (const StartRow& row : rows) {
        std::string text = "[Setup]\r\n";
        if (row.trayIcon)
            text += std::string("TrayIcon=") + row.trayIcon + "\r\n";
        if (row.minimize)
            text += std::string("Min=") + row.minimize + "\r\n";
        WriteFileBytes(ini.Path(), text);
        Menu fresh;
        settings::ReadOptions(ini.Read(), fresh);
        SCOPED_TRACE(testing::Message() << text);
        EXPECT_EQ(fresh.trayIcon, row.trayIconAfter);
        EXPECT_EQ(fresh.minimize, row.minimizeAfter);
        EXPECT_EQ(fresh.iconVisible, row.trayIconAfter);
        EXPECT_EQ(ReadFileBytes(ini.Path()), text);
    }
}

TEST_F(OptionsMenuTest, StartUpWithoutAFileChecksBothTrayOptionsButNotTheLogOnStart) {
    menu.runStart = true;
    settings::ReadOptions(ini.Read(), menu);
    EXPECT_TRUE(menu.trayIcon);
    EXPECT_TRUE(menu.minimize);
    EXPECT_FALSE(menu.runStart);
    EXPECT_EQ(menu.iconVisible, true);
    EXPECT_FALSE(std::filesystem::exists(text::Utf8Path(ini.Path())));

    WriteFileBytes(ini.Path(), "[Option]\r\nRunStart=1\r\n");
    settings::ReadOptions(ini.Read(), menu);
    EXPECT_TRUE(menu.runStart);
}

TEST_F(OptionsMenuTest, ChangesMadeBeforeAFailedWriteStay) {
    std::filesystem::create_directory(text::Utf8Path(ini.Path()));
    menu.trayIcon = true;
    menu.minimize = true;
    EXPECT_THROW(settings::ToggleTrayIcon(menu, ini), settings::WriteError);
    EXPECT_FALSE(menu.trayIcon);
    EXPECT_FALSE(menu.minimize);
    EXPECT_EQ(menu.iconVisible, false);

    // Minimise-to-tray is stored before the icon is told.
    menu.iconVisible.reset();
    EXPECT_THROW(settings::ToggleMinimizeToTray(menu, ini), settings::WriteError);
    EXPECT_TRUE(menu.trayIcon);
    EXPECT_TRUE(menu.minimize);
    EXPECT_EQ(menu.iconVisible, std::nullopt);
}

TEST_F(OptionsMenuTest, TheLogOnStartRunsTheProgramWithSlashC) {
    Registry registry;
    settings::ToggleAutostart(menu, ini, registry, "C:\\Program Files\\Lexora\\Lexora.exe");
    EXPECT_TRUE(menu.runStart);
    EXPECT_EQ(registry.value, "\"C:\\Program Files\\Lexora\\Lexora.exe\" /C");
    EXPECT_EQ(Stored("Option", "RunStart"), "1");

    settings::ToggleAutostart(menu, ini, registry, "C:\\Program Files\\Lexora\\Lexora.exe");
    EXPECT_FALSE(menu.runStart);
    EXPECT_EQ(registry.value, std::nullopt);
    EXPECT_EQ(Stored("Option", "RunStart"), "0");
}

TEST(AutostartCommand, QuotesAPathWithASpaceOnly) {
    EXPECT_EQ(settings::AutostartCommand("C:\\Lexora\\Lexora.exe"), "C:\\Lexora\\Lexora.exe /C");
    EXPECT_EQ(settings::AutostartCommand("D:\\成语 词典\\Lexora.exe"),
              "\"D:\\成语 词典\\Lexora.exe\" /C");
}

TEST_F(OptionsMenuTest, ARefusedLogOnStartIsNeitherCheckedNorStored) {
    Registry registry;
    registry.refuse = true;
    try {
        settings::ToggleAutostart(menu, ini, registry, "C:\\Lexora.exe");
        FAIL() << "the refusal was not reported";
    } catch (const settings::AutostartError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'LexoraRun'");
    }
    EXPECT_FALSE(menu.runStart);
    EXPECT_EQ(Stored("Option", "RunStart"), "0");
}
