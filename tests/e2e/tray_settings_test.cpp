// The settings file, the "设置" menu, the tray icon and the search histories
// of the real program, driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "running_program.h"

namespace {

using Texts = std::vector<std::wstring>;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Menus of the menu bar and their items, separators counted.
constexpr int kFunctionMenu = 0;
constexpr int kClearKeywordsItem = 2;
constexpr int kSettingsMenu = 1;
constexpr int kTrayIconItem = 0, kMinimizeItem = 1, kRunStartItem = 3;
// "清空搜索历史" on the tool bar, separators counted.
constexpr int kClearHistoriesButton = 8;

Texts DropDownEntries(HWND box) {
    Texts entries;
    const LRESULT count = SendMessageW(box, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(box, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.size() - 1);
        entries.push_back(text);
    }
    return entries;
}

std::wstring RunValue() {
    wchar_t data[1024];
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kRunKey, L"LexoraRun", RRF_RT_REG_SZ, nullptr, data,
                     &size) != ERROR_SUCCESS) {
        return L"(none)";
    }
    return data;
}

void RemoveRunValue() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, L"LexoraRun");
        RegCloseKey(key);
    }
}

}  // namespace

TEST(TraySettings, TheTrayOptionsKeepTheirRuleAndGoIntoTheFile) {
    RunningProgram program;
    ASSERT_TRUE(program.Start());
    // No file: both tray options on, the icon in the tray.
    EXPECT_TRUE(program.Checked(kSettingsMenu, kTrayIconItem));
    EXPECT_TRUE(program.Checked(kSettingsMenu, kMinimizeItem));
    EXPECT_FALSE(program.Checked(kSettingsMenu, kRunStartItem));
    EXPECT_TRUE(program.IconInTray());
    // Start-up reads the options and writes none of them back.
    EXPECT_EQ(program.ReadIni().find("TrayIcon"), std::string::npos);
    EXPECT_EQ(program.ReadIni().find("Min"), std::string::npos);

    program.Choose(kSettingsMenu, kTrayIconItem);
    EXPECT_TRUE(
        WaitUntil([&] { return program.IniHas(L"TrayIcon=0") && program.IniHas(L"Min=0"); }));
    EXPECT_FALSE(program.Checked(kSettingsMenu, kTrayIconItem));
    EXPECT_FALSE(program.Checked(kSettingsMenu, kMinimizeItem));
    EXPECT_FALSE(program.IconInTray());

    program.Choose(kSettingsMenu, kMinimizeItem);
    EXPECT_TRUE(
        WaitUntil([&] { return program.IniHas(L"TrayIcon=1") && program.IniHas(L"Min=1"); }));
    EXPECT_TRUE(program.Checked(kSettingsMenu, kTrayIconItem));
    EXPECT_TRUE(program.Checked(kSettingsMenu, kMinimizeItem));
    EXPECT_TRUE(program.IconInTray());

    // Unchecking minimise-to-tray leaves the icon.
    program.Choose(kSettingsMenu, kMinimizeItem);
    EXPECT_TRUE(WaitUntil([&] { return program.IniHas(L"Min=0"); }));
    EXPECT_TRUE(program.IniHas(L"TrayIcon=1"));
    EXPECT_TRUE(program.IconInTray());
    EXPECT_EQ(program.Close(), 0u);
}

TEST(TraySettings, StartUpReadsTheTrayOptionsWithTheirRule) {
    const struct {
        const wchar_t* settings;
        bool trayIcon, minimize, runStart;
    } starts[] = {
        {L"[Setup]\r\nTrayIcon=0\r\nMin=1\r\n", true, true, false},
        {L"[Setup]\r\nTrayIcon=0\r\nMin=0\r\n", false, false, false},
        {L"[setup]\r\ntrayicon=yes\r\nMin=0x0\r\n[Option]\r\nRunStart=2\r\n", true, false, true},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.settings);
        RunningProgram program;
        program.WriteIni(start.settings);
        ASSERT_TRUE(program.Start());
        EXPECT_EQ(program.Checked(kSettingsMenu, kTrayIconItem), start.trayIcon);
        EXPECT_EQ(program.Checked(kSettingsMenu, kMinimizeItem), start.minimize);
        EXPECT_EQ(program.IconInTray(), start.trayIcon);
        EXPECT_EQ(program.Checked(kSettingsMenu, kRunStartItem), start.runStart);
        EXPECT_EQ(program.Close(), 0u);
    }
}

TEST(TraySettings, TheLogOnStartGoesIntoTheRunKeyAndOutAgain) {
    RemoveRunValue();
    RunningProgram program;
    ASSERT_TRUE(program.Start());
    wchar_t exe[MAX_PATH];
    GetFullPathNameW((program.App().Directory() / L"Lexora.exe").c_str(), MAX_PATH, exe, nullptr);
    const std::wstring path = exe;
    const std::wstring command =
        path.find(L' ') == std::wstring::npos ? path + L" /C" : L"\"" + path + L"\" /C";

    program.Choose(kSettingsMenu, kRunStartItem);
    EXPECT_TRUE(WaitUntil([&] { return program.IniHas(L"RunStart=1") && RunValue() == command; }));
    EXPECT_TRUE(program.Checked(kSettingsMenu, kRunStartItem));
    program.Choose(kSettingsMenu, kRunStartItem);
    EXPECT_TRUE(
        WaitUntil([&] { return program.IniHas(L"RunStart=0") && RunValue() == L"(none)"; }));
    EXPECT_FALSE(program.Checked(kSettingsMenu, kRunStartItem));

    // Off again while someone else has removed the value: no error.
    program.Choose(kSettingsMenu, kRunStartItem);
    EXPECT_TRUE(WaitUntil([&] { return RunValue() == command; }));
    RemoveRunValue();
    program.Choose(kSettingsMenu, kRunStartItem);
    EXPECT_TRUE(WaitUntil([&] { return program.IniHas(L"RunStart=0"); }));
    EXPECT_EQ(WaitForMessageBox(program.App().ProcessId(), L"Lexora电子版", 300), nullptr);
    EXPECT_EQ(program.Close(), 0u);
    RemoveRunValue();
}

TEST(TraySettings, StartsHiddenInTheTrayWithSlashCAndComesBackOnAClick) {
    RunningProgram program;
    program.WriteIni(L"[Setup]\r\nTrayIcon=0\r\nMin=1\r\n[KeyWord_List]\r\nItem1=海\r\n");
    ASSERT_TRUE(program.StartInTray(L"/C"));
    EXPECT_FALSE(IsWindowVisible(program.Main()));
    // No task-bar button either.
    EXPECT_FALSE(IsWindowVisible(program.ApplicationWindow()));
    EXPECT_TRUE(program.IconInTray());

    program.ClickIcon();
    EXPECT_TRUE(WaitUntil([&] {
        return IsWindowVisible(program.Main()) && IsWindowVisible(program.ApplicationWindow());
    }));
    EXPECT_EQ(program.Close(), 0u);
}

TEST(TraySettings, StartsShownUnlessSlashCComesFirstWithMinimiseToTrayOn) {
    const struct {
        const wchar_t* arguments;
        const wchar_t* settings;
        bool icon;
    } starts[] = {
        {L"/c", L"", true},
        {L"x /C", L"", true},
        {L"/C x", L"[Setup]\r\nTrayIcon=1\r\nMin=0\r\n", true},
        {L"/C", L"[Setup]\r\nTrayIcon=0\r\nMin=0\r\n", false},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.arguments);
        RunningProgram program;
        program.WriteIni(start.settings);
        ASSERT_TRUE(program.Start(start.arguments));
        EXPECT_EQ(program.IconInTray(), start.icon);
        EXPECT_EQ(program.Close(), 0u);
    }
}

TEST(TraySettings, MinimisingHidesTheWindowOnlyWithTheOptionOn) {
    RunningProgram program;
    ASSERT_TRUE(program.Start());
    const auto hidden = [&] {
        // No task-bar button either, and nothing minimised.
        return !IsWindowVisible(program.Main()) && !IsWindowVisible(program.ApplicationWindow()) &&
               !IsIconic(program.ApplicationWindow());
    };
    const auto shown = [&] {
        return IsWindowVisible(program.Main()) && IsWindowVisible(program.ApplicationWindow());
    };
    PostMessageW(program.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil(hidden));
    program.ClickIcon();
    EXPECT_TRUE(WaitUntil(shown));
    // A double click chooses the tray menu's default item, "打开界面".
    PostMessageW(program.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil(hidden));
    program.DoubleClickIcon();
    EXPECT_TRUE(WaitUntil(shown));

    program.Choose(kSettingsMenu, kMinimizeItem);
    EXPECT_TRUE(WaitUntil([&] { return program.IniHas(L"Min=0"); }));
    PostMessageW(program.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] {
        return IsIconic(program.ApplicationWindow()) &&
               IsWindowVisible(program.ApplicationWindow()) && !IsWindowVisible(program.Main());
    }));
    EXPECT_EQ(program.Close(), 0u);
}

TEST(TraySettings, ASecondStartPointsToTheTray) {
    RunningProgram first;
    first.WriteIni(L"[KeyWord_List]\r\nItem1=海\r\n");
    ASSERT_TRUE(first.StartInTray(L"/C"));
    LexoraApp second(Database::Fixture);
    second.Start();
    HWND box = WaitForMessageBox(second.ProcessId(), L"提示");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"程序已经在运行了，请看看托盘区");
    DismissMessageBox(box);
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(first.App().WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_FALSE(IsWindowVisible(first.Main()));
    EXPECT_EQ(first.Close(), 0u);
}

TEST(TraySettings, SearchesAreRememberedNewestFirstAcrossARestart) {
    RunningProgram program;
    ASSERT_TRUE(program.Start());
    DictionaryWindow& ui = program.Ui();
    program.SearchKeyword(L"海");
    program.SearchKeyword(L"马");
    program.SearchKeyword(L" 海 ");
    EXPECT_EQ(DropDownEntries(ui.keywordBox), (Texts{L"海", L"马"}));
    EXPECT_EQ(WindowText(ui.keywordBox), L"海");
    program.SearchInitials(L"bx");
    program.SearchInitials(L"BX");
    EXPECT_EQ(DropDownEntries(ui.initialsBox), (Texts{L"BX", L"bx"}));
    // Nothing found: nothing remembered.
    ui.SetBoxText(ui.keywordBox, L"鲸");
    ui.PressLater(ui.keywordButton);
    HWND refusal = WaitForMessageBox(program.App().ProcessId(), L"确认");
    ASSERT_NE(refusal, nullptr);
    DismissMessageBox(refusal);
    EXPECT_EQ(DropDownEntries(ui.keywordBox), (Texts{L"海", L"马"}));
    // Twelve in all: every one is saved, the ten newest come back.
    for (const wchar_t* keyword :
         {L"八", L"地", L"一", L"自", L"爱", L"井", L"安", L"沧", L"莫", L"功"})
        program.SearchKeyword(keyword);
    ASSERT_EQ(DropDownEntries(ui.keywordBox).size(), 12u);
    ASSERT_EQ(program.Close(), 0u);
    EXPECT_TRUE(program.IniHas(L"Item1=功"));
    EXPECT_TRUE(program.IniHas(L"Item12=马"));

    ASSERT_TRUE(program.Start());
    EXPECT_EQ(DropDownEntries(program.Ui().keywordBox),
              (Texts{L"功", L"莫", L"沧", L"安", L"井", L"爱", L"自", L"一", L"地", L"八"}));
    EXPECT_EQ(WindowText(program.Ui().keywordBox), L"");
    EXPECT_EQ(DropDownEntries(program.Ui().initialsBox), (Texts{L"BX", L"bx"}));

    program.Ui().PressToolButton(kClearHistoriesButton);
    EXPECT_TRUE(DropDownEntries(program.Ui().keywordBox).empty());
    EXPECT_TRUE(DropDownEntries(program.Ui().initialsBox).empty());
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(program.IniHas(L"Item" + std::to_wstring(n) + L"=")) << n;
        EXPECT_FALSE(program.IniHas(L"Item" + std::to_wstring(n) + L"=BX")) << n;
    }
    EXPECT_EQ(program.Close(), 0u);
}

TEST(TraySettings, AFileOfAnotherEditorKeepsItsShapeAndLoadsWithoutGaps) {
    RunningProgram program;
    program.WriteIni(
        L"; mine\n[KeyWord_List]\nItem1=画龙点睛\nItem2= 一心一意 \nItem3=\nItem4=守株待兔\n"
        L"Item11=十一\n[S_List]\nItem1=HLDJ\n");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(DropDownEntries(program.Ui().keywordBox),
              (Texts{L"画龙点睛", L"一心一意", L"守株待兔"}));
    program.Choose(kFunctionMenu, kClearKeywordsItem);
    EXPECT_TRUE(WaitUntil(
        [&] { return program.ReadIni().find(GbkBytes(L"画龙点睛")) == std::string::npos; }));
    EXPECT_TRUE(DropDownEntries(program.Ui().keywordBox).empty());
    EXPECT_EQ(DropDownEntries(program.Ui().initialsBox), (Texts{L"HLDJ"}));
    ASSERT_EQ(program.Close(), 0u);
    EXPECT_EQ(program.ReadIni(),
              GbkBytes(L"; mine\n[KeyWord_List]\nItem1=\nItem2=\nItem3=\nItem4=\nItem11=十一\n"
                       L"Item5=\nItem6=\nItem7=\nItem8=\nItem9=\nItem10=\n[S_List]\nItem1=HLDJ\n"
                       L"Item2=\nItem3=\nItem4=\nItem5=\nItem6=\nItem7=\nItem8=\nItem9=\nItem10=\n"
                       L"[Setup]\nSkin=0\n"));
}

TEST(TraySettings, AClosingThatCannotSaveTheHistoriesSaysSoAndStillEnds) {
    RunningProgram program;
    // A directory where the settings file should be: it cannot be written.
    std::filesystem::create_directory(program.IniPath());
    ASSERT_TRUE(program.Start());
    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    HWND box = WaitForMessageBox(program.App().ProcessId(), L"Lexora电子版");
    ASSERT_NE(box, nullptr);
    const std::wstring text = MessageBoxText(box);
    EXPECT_TRUE(text.starts_with(L"Unable to write to ")) << text;
    EXPECT_NE(text.find(L"\\配置文件.ini"), std::wstring::npos) << text;
    DismissMessageBox(box);
    EXPECT_EQ(program.App().WaitForExit(), 0u);
}
