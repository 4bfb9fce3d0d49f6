// A thousand random operations of a user on the skinned main window:
// searches, clicks in the list and the tree, scrolling (through the skinned
// bars too), note edits and saves, option toggles, skin switches and the
// About window. The program must not fail, must show no message but its
// confirmations, and must leave the database and the settings file
// consistent with what was done.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "probe_client.h"
#include "real_input.h"
#include "remote_memory.h"

namespace {

constexpr int kSettingsMenu = 1, kSkinMenu = 2, kHelpMenu = 3;
constexpr int kSaveNoteButton = 10;
constexpr int kOperations = 1000;

class RandomOperations : public ::testing::Test {
  protected:
    void SetUp() override { Start(); }
    void Start() {
        MoveTo({1, 1});
        app.Start();
        main = app.WaitForWindow(L"TForm1", L"Lexora电子版 2007", 60000);
        ASSERT_NE(main, nullptr);
        probe = std::make_unique<Probe>(main);
        ui = std::make_unique<DictionaryWindow>(app, main);
    }

    // Waits until the program has handled what was sent and posted before:
    // a marker posted after it (a new limit of the note editor's text, which
    // no operation comes near) has reached the editor.
    bool Settled() {
        const LPARAM marker = 0x1000000 + ++markers;
        PostMessageW(ui->noteEditor, EM_SETLIMITTEXT, marker, 0);
        return WaitUntil(
            [&] {
                DWORD_PTR limit = 0;
                return SendMessageTimeoutW(ui->noteEditor, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL,
                                           20000, &limit) &&
                       static_cast<LPARAM>(limit) == marker;
            },
            20000);
    }
    // Dismisses the message boxes the program shows; the texts of those
    // that are not its confirmations ("确认").
    void DismissMessages() {
        for (;;) {
            HWND box = nullptr;
            for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w && !box;
                 w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == app.ProcessId() && IsWindowVisible(w))
                    box = w;
            }
            if (!box)
                return;
            // A box may show before its caption and text are set.
            WaitUntil([&] { return !WindowText(box).empty(); }, 2000);
            if (WindowText(box) != L"确认")
                unexpected.push_back(WindowText(box) + L": " + MessageBoxText(box));
            DismissMessageBox(box);
        }
    }
    void ChooseMenuItem(int menu, int item) {
        const auto items = probe->MenuItems(probe->MenuItems(MenuBar(main)).at(menu).subMenu);
        PostMessageW(main, WM_COMMAND, items.at(item).command, 0);
    }
    bool Checked(int menu, int item) {
        return probe->MenuItems(probe->MenuItems(MenuBar(main)).at(menu).subMenu).at(item).checked;
    }
    std::string Ini() const {
        std::ifstream in(app.Directory() / L"配置文件.ini", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // A row's rectangle in the result list, read inside the program.
    RECT ResultRect(LRESULT row) {
        RemoteMemory memory(app.ProcessId(), sizeof(RECT));
        SendMessageW(ui->resultList, LB_GETITEMRECT, row, memory.Address());
        RECT r{};
        memory.Read(&r, sizeof r);
        return r;
    }
    HWND VisibleOverlayOf(HWND control) {
        RECT c;
        GetWindowRect(control, &c);
        for (HWND overlay : ChildWindows(main, L"TScrollOverlay")) {
            RECT r;
            GetWindowRect(overlay, &r);
            if (IsWindowVisible(overlay) && r.left >= c.left && r.right <= c.right &&
                r.top >= c.top && r.bottom <= c.bottom)
                return overlay;
        }
        return nullptr;
    }

    LexoraApp app{Database::Full};
    HWND main = nullptr;
    std::unique_ptr<Probe> probe;
    std::unique_ptr<DictionaryWindow> ui;
    std::vector<std::wstring> unexpected;
    int markers = 0;
};

TEST_F(RandomOperations, AThousandOperationsLeaveTheProgramAndItsFilesConsistent) {
    std::mt19937 random(20261208);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::vector<std::wstring> keywords = {L"一", L"天", L"马", L"水落",     L"之",
                                                L"'",  L"%",  L"心", L"无此成语", L"人"};
    const std::vector<std::wstring> initials = {L"y", L"ys", L"tm", L"a", L"zz", L"q"};
    // The note saved last for each idiom, as the program trims it.
    std::map<std::wstring, std::wstring> savedNotes;
    int skin = 0;
    for (int op = 0; op < kOperations; ++op) {
        SCOPED_TRACE(op);
        switch (pick(11)) {
            case 0:
                ui->SetBoxText(ui->keywordBox, keywords[pick(static_cast<int>(keywords.size()))]);
                ui->PressLater(ui->keywordButton);
                break;
            case 1:
                ui->SetBoxText(ui->initialsBox, initials[pick(static_cast<int>(initials.size()))]);
                ui->PressLater(ui->initialsButton);
                break;
            case 2: {
                const LRESULT count = SendMessageW(ui->resultList, LB_GETCOUNT, 0, 0);
                if (count > 0) {
                    const RECT item =
                        ResultRect(SendMessageW(ui->resultList, LB_GETTOPINDEX, 0, 0));
                    const LPARAM at =
                        MAKELPARAM(10, item.top + 2 + pick(5) * (item.bottom - item.top));
                    PostMessageW(ui->resultList, WM_LBUTTONDOWN, MK_LBUTTON, at);
                    PostMessageW(ui->resultList, WM_LBUTTONUP, 0, at);
                }
                break;
            }
            case 3: {
                const auto letters = ui->TreeChildren(nullptr);
                const auto idioms =
                    ui->TreeChildren(letters.at(pick(static_cast<int>(letters.size()))));
                if (!idioms.empty())
                    ui->SelectNode(idioms.at(pick(static_cast<int>(idioms.size()))));
                break;
            }
            case 4: {
                HWND target = pick(2) ? ui->resultList : ui->tree;
                const UINT codes[] = {SB_LINEDOWN, SB_PAGEDOWN, SB_LINEUP, SB_PAGEUP, SB_TOP};
                PostMessageW(target, WM_VSCROLL, codes[pick(5)], 0);
                if (op % 50 == 0) {
                    // Now and then by hand, on the skinned bar.
                    if (HWND overlay = VisibleOverlayOf(target)) {
                        RECT r;
                        GetWindowRect(overlay, &r);
                        ClickAt({(r.left + r.right) / 2, r.bottom - 4});
                    }
                }
                break;
            }
            case 5:
                ui->SetBoxText(ui->noteEditor, L"见解 " + std::to_wstring(op));
                break;
            case 6: {
                const std::vector<std::wstring> lines = ui->ViewLines();
                const std::wstring note = ui->Note();
                ui->PressToolButton(kSaveNoteButton, false);
                ASSERT_TRUE(Settled());
                HWND box = WaitForMessageBox(app.ProcessId(), L"确认", 2000);
                if (box && MessageBoxText(box) == L"个人见解保存成功！" && !lines.empty())
                    savedNotes[lines[0]] = note;
                break;
            }
            case 7:
                ChooseMenuItem(kSettingsMenu, pick(2));
                break;
            case 8:
                skin = pick(5);
                ChooseMenuItem(kSkinMenu, skin);
                break;
            case 9:
                if (op % 10 == 0) {
                    ChooseMenuItem(kHelpMenu, 0);
                    HWND about = app.WaitForWindow(L"TForm2", nullptr, 5000);
                    ASSERT_NE(about, nullptr);
                    PostMessageW(ChildWindow(about, L"TButton", L"确定"), BM_CLICK, 0, 0);
                    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
                }
                break;
            default:
                PostMessageW(pick(2) ? ui->resultList : ui->tree, WM_KEYDOWN,
                             pick(2) ? VK_NEXT : VK_DOWN, 1);
                break;
        }
        ASSERT_TRUE(Settled()) << "the program answers";
        DismissMessages();
    }
    ASSERT_TRUE(Settled());
    DismissMessages();
    EXPECT_EQ(unexpected, std::vector<std::wstring>{});

    // The settings file holds what the menus show.
    const std::string ini = Ini();
    EXPECT_NE(ini.find("Skin=" + std::to_string(skin) + "\r\n"), std::string::npos);
    EXPECT_NE(ini.find(std::string("TrayIcon=") + (Checked(kSettingsMenu, 0) ? "1" : "0")),
              std::string::npos);
    EXPECT_NE(ini.find(std::string("Min=") + (Checked(kSettingsMenu, 1) ? "1" : "0")),
              std::string::npos);

    // The notes saved are in the database: after a restart each idiom shows
    // the note saved last for it.
    ui->SetBoxText(ui->noteEditor, L"");
    probe.reset();
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(app.WaitForExit(), 0u);
    Start();
    for (const auto& [idiom, note] : savedNotes) {
        SCOPED_TRACE(idiom);
        ui->SetBoxText(ui->keywordBox, idiom);
        ui->Press(ui->keywordButton);
        // The idiom's row of the results, clicked.
        const std::vector<std::wstring> results = ui->Results();
        const auto found = std::find(results.begin(), results.end(), idiom);
        ASSERT_NE(found, results.end());
        const LRESULT row = found - results.begin();
        SendMessageW(ui->resultList, LB_SETTOPINDEX, row, 0);
        const RECT item = ResultRect(row);
        const LPARAM at = MAKELPARAM(10, item.top + 2);
        PostMessageW(ui->resultList, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(ui->resultList, WM_LBUTTONUP, 0, at);
        ASSERT_TRUE(WaitUntil([&] {
            const auto lines = ui->ViewLines();
            return !lines.empty() && lines[0] == idiom;
        }));
        EXPECT_EQ(ui->Note(), note);
    }
}

}  // namespace
