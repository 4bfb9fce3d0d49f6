// The settings file, the "设置" menu, the tray icon and the search histories
// of the real program, driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "probe_client.h"

namespace {

using Texts = std::vector<std::wstring>;

const wchar_t* const kMainCaption = L"Lexora电子版 2007";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr UINT kTrayCallback = 0x800;
// The program's only tray icon is the first one its process makes.
constexpr WPARAM kTrayIconId = 1;

// Menus of the menu bar and their items, separators counted.
constexpr int kFunctionMenu = 0;
constexpr int kClearKeywordsItem = 2;
constexpr int kSettingsMenu = 1;
constexpr int kTrayIconItem = 0, kMinimizeItem = 1, kRunStartItem = 3;
// "清空搜索历史" on the tool bar, separators counted.
constexpr int kClearHistoriesButton = 8;

// A top-level window of the process with that class, shown or not.
HWND ProcessWindow(DWORD processId, const wchar_t* className) {
    for (HWND w = FindWindowExW(nullptr, nullptr, className, nullptr); w;
         w = FindWindowExW(nullptr, w, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId)
            return w;
    }
    return nullptr;
}

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

std::string GbkBytes(const std::wstring& text) {
    const int n = WideCharToMultiByte(936, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(936, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n) - 1);
    return out;
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

// The running program with its settings file, its menus and its tray icon.
class TrayProgram {
  public:
    LexoraApp& App() { return app_; }
    HWND Main() const { return main_; }
    DictionaryWindow& Ui() { return *ui_; }
    HWND ApplicationWindow() const { return ProcessWindow(app_.ProcessId(), L"TApplication"); }

    std::filesystem::path IniPath() const { return app_.Directory() / L"配置文件.ini"; }
    void WriteIni(const std::wstring& text) const {
        std::ofstream(IniPath(), std::ios::binary) << GbkBytes(text);
    }
    std::string ReadIni() const {
        std::ifstream in(IniPath(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    bool IniHas(const std::wstring& line) const {
        return ReadIni().find(GbkBytes(line + L"\r\n")) != std::string::npos;
    }

    // Starts the program and waits for its main window to show.
    bool Start(const std::wstring& arguments = L"") {
        app_.Start(arguments);
        return WaitForMainWindow();
    }
    // Waits for the main window of the program already started.
    bool WaitForMainWindow() {
        main_ = app_.WaitForWindow(L"TForm1", kMainCaption);
        Attach();
        return main_ != nullptr;
    }

    // Starts the program where it is to stay in the tray, and waits until its
    // start-up is over: the histories (the settings must hold a keyword) fill
    // the box a step before the window would be shown, and a message sent
    // then is answered from the message loop.
    bool StartInTray(const std::wstring& arguments) {
        app_.Start(arguments);
        WaitUntil([&] {
            main_ = ProcessWindow(app_.ProcessId(), L"TForm1");
            const std::vector<HWND> boxes =
                main_ ? ChildWindows(main_, L"TComboBox") : std::vector<HWND>{};
            return !boxes.empty() && SendMessageW(boxes[0], CB_GETCOUNT, 0, 0) > 0;
        });
        DWORD_PTR ignored;
        SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        Sleep(300);
        Attach();
        return main_ != nullptr;
    }

    std::vector<MenuEntry> Menu(int index) {
        return probe_->MenuItems(probe_->MenuItems(MenuBar(main_)).at(index).subMenu);
    }
    bool Checked(int menu, int item) { return Menu(menu).at(item).checked; }
    // Runs a menu command as a click on the item would.
    void Choose(int menu, int item) {
        PostMessageW(main_, WM_COMMAND, Menu(menu).at(item).command, 0);
    }

    // Whether the shell holds the program's icon: changing nothing in it
    // succeeds only then.
    bool IconInTray() const {
        NOTIFYICONDATAW data{};
        data.cbSize = NOTIFYICONDATAW_V2_SIZE;
        data.hWnd = ProcessWindow(app_.ProcessId(), L"TTrayIconHandler");
        data.uID = static_cast<UINT>(kTrayIconId);
        return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }
    // Clicks on the tray icon, as the shell reports them.
    void ClickIcon() const { Notify({WM_LBUTTONDOWN, WM_LBUTTONUP}); }
    void DoubleClickIcon() const {
        Notify({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    }

    void SearchKeyword(const std::wstring& keyword) {
        ui_->SetBoxText(ui_->keywordBox, keyword);
        ui_->Press(ui_->keywordButton);
    }
    void SearchInitials(const std::wstring& initials) {
        ui_->SetBoxText(ui_->initialsBox, initials);
        ui_->Press(ui_->initialsButton);
    }

    // Closes the main window and waits for the program to end.
    DWORD Close() {
        probe_.reset();
        PostMessageW(main_, WM_CLOSE, 0, 0);
        return app_.WaitForExit();
    }

  private:
    void Notify(std::initializer_list<UINT> codes) const {
        HWND handler = ProcessWindow(app_.ProcessId(), L"TTrayIconHandler");
        for (UINT code : codes)
            PostMessageW(handler, kTrayCallback, kTrayIconId, code);
    }
    void Attach() {
        if (!main_)
            return;
        ui_ = std::make_unique<DictionaryWindow>(app_, main_);
        probe_ = std::make_unique<Probe>(main_);
    }

    LexoraApp app_{Database::Fixture};
    HWND main_ = nullptr;
    std::unique_ptr<DictionaryWindow> ui_;
    std::unique_ptr<Probe> probe_;
};

}  // namespace

TEST(TraySettings, TheTrayOptionsKeepTheirRuleAndGoIntoTheFile) {
    TrayProgram program;
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
        TrayProgram program;
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
    TrayProgram program;
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
    TrayProgram program;
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
        TrayProgram program;
        program.WriteIni(start.settings);
        ASSERT_TRUE(program.Start(start.arguments));
        EXPECT_EQ(program.IconInTray(), start.icon);
        EXPECT_EQ(program.Close(), 0u);
    }
}

TEST(TraySettings, MinimisingHidesTheWindowOnlyWithTheOptionOn) {
    TrayProgram program;
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
               IsWindowVisible(program.ApplicationWindow());
    }));
    EXPECT_EQ(program.Close(), 0u);
}

TEST(TraySettings, ASecondStartPointsToTheTray) {
    TrayProgram first;
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
    TrayProgram program;
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
    TrayProgram program;
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
    TrayProgram program;
    // A directory where the settings file should be: it cannot be written.
    std::filesystem::create_directory(program.IniPath());
    // Start-up writes the skin it applies, and says so when it cannot.
    program.App().Start();
    HWND startup = WaitForMessageBox(program.App().ProcessId(), L"Lexora电子版");
    ASSERT_NE(startup, nullptr);
    EXPECT_TRUE(MessageBoxText(startup).starts_with(L"Unable to write to "));
    DismissMessageBox(startup);
    ASSERT_TRUE(program.WaitForMainWindow());
    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    HWND box = WaitForMessageBox(program.App().ProcessId(), L"Lexora电子版");
    ASSERT_NE(box, nullptr);
    const std::wstring text = MessageBoxText(box);
    EXPECT_TRUE(text.starts_with(L"Unable to write to ")) << text;
    EXPECT_NE(text.find(L"\\配置文件.ini"), std::wstring::npos) << text;
    DismissMessageBox(box);
    EXPECT_EQ(program.App().WaitForExit(), 0u);
}
