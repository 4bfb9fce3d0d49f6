// The settings file, the "设置" menu, the tray icon and the search histories
// of the real program, driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "lexora_app.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr UINT kTrayCallback = 0x800;
// The program's only tray icon is the first one its process makes.
constexpr WPARAM kTrayIconId = 1;

// Menus of the menu bar, and their items without the separators.
constexpr int kFunctionMenu = 0;
constexpr int kClearKeywordsItem = 1, kClearInitialsItem = 2;
constexpr int kSettingsMenu = 1;
constexpr int kTrayIconItem = 0, kMinimizeItem = 1, kRunStartItem = 2;

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(20);
    }
    return true;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found = nullptr;
};

// A top-level window of the process with that class, shown or not.
HWND ProcessWindow(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<WindowSearch*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t cls[64];
            GetClassNameW(window, cls, 64);
            if (owner != s->processId || wcscmp(cls, s->className) != 0)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The combo boxes of the main window from top to bottom: edit1, edit2.
std::vector<HWND> SearchBoxes(HWND mainWindow) {
    std::vector<HWND> boxes;
    EnumChildWindows(
        mainWindow,
        [](HWND window, LPARAM param) -> BOOL {
            wchar_t cls[64];
            GetClassNameW(window, cls, 64);
            if (wcscmp(cls, L"TComboBox") == 0)
                reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&boxes));
    std::sort(boxes.begin(), boxes.end(), [](HWND a, HWND b) {
        RECT ra, rb;
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top < rb.top;
    });
    return boxes;
}

std::vector<std::wstring> DropDownEntries(HWND box) {
    std::vector<std::wstring> entries;
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

// The running program, its settings file and its windows.
class TrayProgram {
  public:
    TrayProgram() : app_(Database::Fixture) {}

    LexoraApp& App() { return app_; }
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
    HWND Start(const std::wstring& arguments = L"") {
        app_.Start(arguments);
        main_ = app_.WaitForWindow(L"TForm1", L"Lexora电子版 2007");
        return main_;
    }

    // Starts the program where it is to stay in the tray, and waits until
    // its start-up is over: the histories (the settings hold a keyword) are
    // in the box a step before the window would be shown, and a message
    // sent then is answered from the message loop.
    HWND StartInTray(const std::wstring& arguments) {
        app_.Start(arguments);
        WaitFor([&] {
            main_ = ProcessWindow(app_.ProcessId(), L"TForm1");
            return main_ && !SearchBoxes(main_).empty() &&
                   SendMessageW(SearchBoxes(main_)[0], CB_GETCOUNT, 0, 0) > 0;
        });
        DWORD_PTR ignored;
        SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        Sleep(300);
        return main_;
    }

    HWND Main() const { return main_; }
    HWND ApplicationWindow() const { return ProcessWindow(app_.ProcessId(), L"TApplication"); }

    // Chooses an item of a menu of the menu bar with the keyboard, as the
    // user may: `item` counts the items that can be chosen, from 0.
    void Choose(int menu, int item) const {
        PostMessageW(main_, WM_SYSCOMMAND, SC_KEYMENU, 0);
        for (int i = 0; i < menu; ++i)
            Key(VK_RIGHT);
        // Down opens the menu on its first item.
        for (int i = 0; i <= item; ++i)
            Key(VK_DOWN);
        Key(VK_RETURN);
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

    // A left click on the tray icon, as the shell reports it.
    void ClickIcon() const {
        HWND handler = ProcessWindow(app_.ProcessId(), L"TTrayIconHandler");
        PostMessageW(handler, kTrayCallback, kTrayIconId, WM_LBUTTONDOWN);
        PostMessageW(handler, kTrayCallback, kTrayIconId, WM_LBUTTONUP);
    }

    // Closes the main window and waits for the program to end.
    DWORD Close() const {
        PostMessageW(main_, WM_CLOSE, 0, 0);
        return app_.WaitForExit();
    }

  private:
    void Key(UINT key) const {
        PostMessageW(main_, WM_KEYDOWN, key, 1);
        PostMessageW(main_, WM_KEYUP, key, 0xC0000001);
    }

    LexoraApp app_;
    HWND main_ = nullptr;
};

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

// The message box another process shows with that caption, or null.
HWND MessageBoxOf(DWORD processId, const wchar_t* caption) {
    HWND found = nullptr;
    WaitFor([&] {
        found = FindWindowW(L"#32770", caption);
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        return found && owner == processId;
    });
    return found;
}

std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

}  // namespace

TEST(TraySettings, TheOptionsMenuWritesTheFileAndShowsOrHidesTheIcon) {
    TrayProgram program;
    ASSERT_NE(program.Start(), nullptr);
    // No file: both tray options on, the icon in the tray.
    EXPECT_TRUE(program.IconInTray());

    program.Choose(kSettingsMenu, kTrayIconItem);
    EXPECT_TRUE(WaitFor([&] { return program.IniHas(L"TrayIcon=0") && program.IniHas(L"Min=0"); }));
    EXPECT_FALSE(program.IconInTray());

    program.Choose(kSettingsMenu, kMinimizeItem);
    EXPECT_TRUE(WaitFor([&] { return program.IniHas(L"TrayIcon=1") && program.IniHas(L"Min=1"); }));
    EXPECT_TRUE(program.IconInTray());
    EXPECT_EQ(program.Close(), 0u);
}

TEST(TraySettings, TheLogOnStartGoesIntoTheRunKeyAndOutAgain) {
    RemoveRunValue();
    TrayProgram program;
    ASSERT_NE(program.Start(), nullptr);
    wchar_t exe[MAX_PATH];
    GetFullPathNameW((program.App().Directory() / L"Lexora.exe").c_str(), MAX_PATH, exe, nullptr);
    const std::wstring path = exe;
    const std::wstring command =
        path.find(L' ') == std::wstring::npos ? path + L" /C" : L"\"" + path + L"\" /C";

    program.Choose(kSettingsMenu, kRunStartItem);
    EXPECT_TRUE(WaitFor([&] { return program.IniHas(L"RunStart=1") && RunValue() == command; }));
    program.Choose(kSettingsMenu, kRunStartItem);
    EXPECT_TRUE(WaitFor([&] { return program.IniHas(L"RunStart=0") && RunValue() == L"(none)"; }));

    // Off again while someone else has removed the value: no error.
    program.Choose(kSettingsMenu, kRunStartItem);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == command; }));
    RemoveRunValue();
    program.Choose(kSettingsMenu, kRunStartItem);
    EXPECT_TRUE(WaitFor([&] { return program.IniHas(L"RunStart=0"); }));
    EXPECT_EQ(program.Close(), 0u);
    RemoveRunValue();
}

TEST(TraySettings, StartsHiddenInTheTrayWithSlashCAndComesBackOnAClick) {
    TrayProgram program;
    program.WriteIni(L"[Setup]\r\nTrayIcon=0\r\nMin=1\r\n[KeyWord_List]\r\nItem1=画龙点睛\r\n");
    ASSERT_NE(program.StartInTray(L"/C"), nullptr);
    EXPECT_FALSE(IsWindowVisible(program.Main()));
    EXPECT_FALSE(IsWindowVisible(program.ApplicationWindow()));
    EXPECT_TRUE(program.IconInTray());

    program.ClickIcon();
    EXPECT_TRUE(WaitFor([&] {
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
        ASSERT_NE(program.Start(start.arguments), nullptr);
        EXPECT_EQ(program.IconInTray(), start.icon);
        EXPECT_EQ(program.Close(), 0u);
    }
}

TEST(TraySettings, MinimisingHidesTheWindowOnlyWithTheOptionOn) {
    TrayProgram program;
    ASSERT_NE(program.Start(), nullptr);
    PostMessageW(program.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(program.Main()); }));
    // No task-bar button either.
    EXPECT_FALSE(IsWindowVisible(program.ApplicationWindow()));
    EXPECT_FALSE(IsIconic(program.ApplicationWindow()));
    program.ClickIcon();
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(program.Main()) != FALSE; }));

    program.Choose(kSettingsMenu, kMinimizeItem);
    EXPECT_TRUE(WaitFor([&] { return program.IniHas(L"Min=0"); }));
    PostMessageW(program.Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(program.ApplicationWindow()) != FALSE; }));
    EXPECT_TRUE(IsWindowVisible(program.ApplicationWindow()));
    EXPECT_EQ(program.Close(), 0u);
}

TEST(TraySettings, ASecondStartPointsToTheTray) {
    TrayProgram first;
    first.WriteIni(L"[KeyWord_List]\r\nItem1=画龙点睛\r\n");
    ASSERT_NE(first.StartInTray(L"/C"), nullptr);
    LexoraApp second(Database::Fixture);
    second.Start();
    HWND box = MessageBoxOf(second.ProcessId(), L"提示");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"程序已经在运行了，请看看托盘区");
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(first.App().WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_FALSE(IsWindowVisible(first.Main()));
    EXPECT_EQ(first.Close(), 0u);
}

TEST(TraySettings, HistoriesSurviveARestartAndCanBeCleared) {
    TrayProgram program;
    program.WriteIni(
        L"; mine\r\n[KeyWord_List]\r\nItem1=画龙点睛\r\nItem2= 一心一意 "
        L"\r\nItem3=\r\nItem4=守株待兔\r\n"
        L"Item11=十一\r\n[S_List]\r\nItem1=HLDJ\r\nItem2=hldj\r\n");
    ASSERT_NE(program.Start(), nullptr);
    std::vector<HWND> boxes = SearchBoxes(program.Main());
    ASSERT_EQ(boxes.size(), 2u);
    const std::vector<std::wstring> keywords{L"画龙点睛", L"一心一意", L"守株待兔"};
    const std::vector<std::wstring> initials{L"HLDJ", L"hldj"};
    EXPECT_EQ(DropDownEntries(boxes[0]), keywords);
    EXPECT_EQ(DropDownEntries(boxes[1]), initials);
    EXPECT_EQ(WindowText(boxes[0]), L"");
    ASSERT_EQ(program.Close(), 0u);
    EXPECT_TRUE(program.IniHas(L"Item3=守株待兔")) << program.ReadIni();
    EXPECT_TRUE(program.IniHas(L"Item4="));
    EXPECT_TRUE(program.ReadIni().starts_with("; mine\r\n"));

    ASSERT_NE(program.Start(), nullptr);
    boxes = SearchBoxes(program.Main());
    EXPECT_EQ(DropDownEntries(boxes[0]), keywords);
    EXPECT_EQ(DropDownEntries(boxes[1]), initials);

    program.Choose(kFunctionMenu, kClearKeywordsItem);
    EXPECT_TRUE(WaitFor([&] { return !program.IniHas(L"Item1=画龙点睛"); })) << program.ReadIni();
    EXPECT_TRUE(DropDownEntries(boxes[0]).empty());
    EXPECT_EQ(DropDownEntries(boxes[1]), initials);
    program.Choose(kFunctionMenu, kClearInitialsItem);
    EXPECT_TRUE(WaitFor([&] { return !program.IniHas(L"Item1=HLDJ"); }));
    EXPECT_TRUE(DropDownEntries(boxes[1]).empty());
    ASSERT_EQ(program.Close(), 0u);
    EXPECT_FALSE(program.IniHas(L"Item1=画龙点睛"));
    EXPECT_TRUE(program.IniHas(L"Item1="));
}

TEST(TraySettings, AClosingThatCannotSaveTheHistoriesSaysSoAndStillEnds) {
    TrayProgram program;
    // A directory where the settings file should be: it cannot be written.
    std::filesystem::create_directory(program.IniPath());
    ASSERT_NE(program.Start(), nullptr);
    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    HWND box = MessageBoxOf(program.App().ProcessId(), L"Lexora电子版");
    ASSERT_NE(box, nullptr);
    const std::wstring text = MessageBoxText(box);
    EXPECT_TRUE(text.starts_with(L"Unable to write to ")) << text;
    EXPECT_NE(text.find(L"配置文件.ini"), std::wstring::npos) << text;
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(program.App().WaitForExit(), 0u);
}
