// The controls of the real program's windows in the skin, driven with real
// input: the main window's controls drawn from the skin's pictures and drawn
// anew by a switch, the result list and the tree scrolled through the
// skinned bars over their own, a message box's button and the save dialog's
// controls skinned as windows without a widget object.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "probe_client.h"
#include "real_input.h"
#include "skin/push_button_look.h"
#include "skin/window/engine_messages.h"
#include "skin/window/gdi_text_painter.h"
#include "skin/window/system_look.h"
#include "skinned_frame.h"

namespace {

using pixels::Bitmap;

constexpr int kSkinMenu = 2;  // "换肤" on the menu bar
constexpr int kExportRtf = 5;
constexpr int kFileNameBox = 0x47C;

bool AnswersSkinned(HWND window) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, skin::window::kAlreadySkinnedMessage, 0, 0, SMTO_NORMAL,
                               5000, &answer) &&
           answer == 1;
}

// A push button's face without its caption, as the skin composes it for a
// button of `window`'s size, in its normal look or, when it has the focus,
// its focused look.
Bitmap ButtonFace(HWND window, const skin::SkinDefinition& skin) {
    const skin::window::Win32SystemLook look;
    RECT r;
    GetWindowRect(window, &r);
    const skin::Rect place{0, 0, r.right - r.left, r.bottom - r.top};
    skin::PushButtonFacts f;
    // The focused button shows the focused look.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    f.state.Focused = GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) &&
                      thread.hwndFocus == window;
    f.background = skin::ResolveColour(skin.Colours.ButtonFace, look);
    skin::window::GdiTextPainter font(skin::window::MenuLogFont(),
                                      skin::window::Ampersand::MarksAccelerator);
    Bitmap picture(place.Width(), place.Height());
    skin::PaintPushButton(picture, place, f, skin, font, look);
    return picture;
}

// Where the strips 3 pixels wide along the edges of the button on the
// screen differ from the skin's face (the caption and the focus stay inside
// them); at most five points, with the colours shown and composed.
std::vector<std::string> EdgeDifferences(HWND button, const skin::SkinDefinition& skin) {
    const Bitmap shown = WindowOnScreen(button);
    const Bitmap face = ButtonFace(button, skin);
    std::vector<std::string> out;
    for (int y = 0; y < shown.Height() && out.size() < 5; ++y) {
        for (int x = 0; x < shown.Width() && out.size() < 5; ++x) {
            const bool edge = x < 3 || y < 3 || x >= shown.Width() - 3 || y >= shown.Height() - 3;
            if (edge && shown.At(x, y) != face.At(x, y)) {
                char text[64];
                std::snprintf(text, sizeof text, "%d,%d: %06X, not %06X", x, y,
                              static_cast<unsigned>(shown.At(x, y) & 0xFFFFFF),
                              static_cast<unsigned>(face.At(x, y) & 0xFFFFFF));
                out.push_back(text);
            }
        }
    }
    return out;
}

bool EdgesAreTheSkins(HWND button, const skin::SkinDefinition& skin) {
    return EdgeDifferences(button, skin).empty();
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.At(x, y) != b.At(x, y))
                return false;
        }
    }
    return true;
}

class SkinnedControls : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 5; ++i)
            skins[i] = LoadProgramSkin(i);
        MoveTo({1, 1});
        app.Start();
        main = app.WaitForWindow(L"TForm1", L"Lexora电子版 2007", 60000);
        ASSERT_NE(main, nullptr);
        probe = std::make_unique<Probe>(main);
        ui = std::make_unique<DictionaryWindow>(app, main);
        ASSERT_TRUE(WaitUntil([&] { return EdgesAreTheSkins(ui->keywordButton, *skins[0]); }));
    }

    void UseSkin(int index) {
        const auto menus = probe->MenuItems(MenuBar(main));
        const auto items = probe->MenuItems(menus.at(kSkinMenu).subMenu);
        PostMessageW(main, WM_COMMAND, items.at(index).command, 0);
    }

    // The skinned bar laid over the vertical bar of `control`.
    HWND OverlayOf(HWND control) {
        RECT c;
        GetWindowRect(control, &c);
        for (HWND overlay : ChildWindows(main, L"TScrollOverlay")) {
            RECT r;
            GetWindowRect(overlay, &r);
            if (IsWindowVisible(overlay) && r.right <= c.right && r.left >= c.left &&
                r.top >= c.top && r.bottom <= c.bottom && r.bottom - r.top > r.right - r.left)
                return overlay;
        }
        return nullptr;
    }
    // A point on an overlay, `along` pixels from its top (from its bottom
    // when negative).
    static POINT OnOverlay(HWND overlay, int along) {
        RECT r;
        GetWindowRect(overlay, &r);
        return {(r.left + r.right) / 2, along >= 0 ? r.top + along : r.bottom + along};
    }

    std::array<skin::SkinSnapshot, 5> skins;
    LexoraApp app{Database::Full};
    HWND main = nullptr;
    std::unique_ptr<Probe> probe;
    std::unique_ptr<DictionaryWindow> ui;
};

TEST_F(SkinnedControls, TheMainWindowsControlsWearTheSkinAndASwitchDrawsThemAllAnew) {
    std::vector<std::pair<const char*, HWND>> controls = {
        {"keyword button", ui->keywordButton}, {"initials button", ui->initialsButton},
        {"keyword box", ui->keywordBox},       {"initials box", ui->initialsBox},
        {"status bar", ui->statusBar},         {"tool bar", ui->toolBar},
        {"result list", ui->resultList},       {"entry view", ui->entryView},
        {"note editor", ui->noteEditor},       {"tree", ui->tree},
    };
    for (HWND group : ChildWindows(main, L"TGroupBox"))
        controls.push_back({"group box", group});
    for (const auto& [name, window] : controls)
        EXPECT_TRUE(AnswersSkinned(window)) << name;
    ASSERT_NE(OverlayOf(ui->tree), nullptr) << "the tree's bar is covered";

    std::vector<Bitmap> before;
    for (const auto& [name, window] : controls)
        before.push_back(WindowOnScreen(window));
    before.push_back(WindowOnScreen(OverlayOf(ui->tree)));
    UseSkin(2);
    ASSERT_TRUE(WaitUntil([&] { return EdgesAreTheSkins(ui->initialsButton, *skins[2]); }));
    EXPECT_TRUE(EdgesAreTheSkins(ui->keywordButton, *skins[2]));
    Sleep(300);
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].second == ui->entryView || controls[i].second == ui->noteEditor ||
            controls[i].second == ui->resultList)
            continue;  // white insides; their bars and borders are checked below
        EXPECT_FALSE(SamePixels(before[i], WindowOnScreen(controls[i].second)))
            << controls[i].first;
    }
    EXPECT_FALSE(SamePixels(before.back(), WindowOnScreen(OverlayOf(ui->tree))))
        << "the tree's bar";
}

TEST_F(SkinnedControls, TheResultListScrollsByTheSkinnedArrowAndByDraggingTheThumb) {
    ui->SetBoxText(ui->keywordBox, L"");
    ui->Press(ui->keywordButton);
    HWND overlay = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (overlay = OverlayOf(ui->resultList)) != nullptr; }));
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const auto top = [&] { return SendMessageW(ui->resultList, LB_GETTOPINDEX, 0, 0); };
    ASSERT_EQ(top(), 0);
    ASSERT_TRUE(ClickAt(OnOverlay(overlay, -arrow / 2)));
    EXPECT_TRUE(WaitUntil([&] { return top() == 1; })) << top();
    ASSERT_TRUE(ClickAt(OnOverlay(overlay, arrow / 2)));
    EXPECT_TRUE(WaitUntil([&] { return top() == 0; })) << top();

    // The thumb of 30,926 rows is short and sits at the top.
    const POINT thumb = OnOverlay(overlay, arrow + 4);
    ASSERT_TRUE(DragTo(thumb, {thumb.x, thumb.y + 100}));
    EXPECT_TRUE(WaitUntil([&] { return top() > 1000; })) << top();
}

TEST_F(SkinnedControls, TheTreeIsExpandedAndScrolledThroughItsSkinnedBar) {
    const auto next = [&](UINT how, HTREEITEM from = nullptr) {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(ui->tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(from)));
    };
    const HTREEITEM first = next(TVGN_ROOT);
    ASSERT_NE(first, nullptr);
    SendMessageW(ui->tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(first));
    HWND overlay = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (overlay = OverlayOf(ui->tree)) != nullptr; }));
    const HTREEITEM shownFirst = next(TVGN_FIRSTVISIBLE);
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    ASSERT_TRUE(ClickAt(OnOverlay(overlay, -arrow / 2)));
    EXPECT_TRUE(
        WaitUntil([&] { return next(TVGN_FIRSTVISIBLE) == next(TVGN_NEXTVISIBLE, shownFirst); }));
    const POINT thumb = OnOverlay(overlay, arrow + 8);
    ASSERT_TRUE(DragTo(thumb, {thumb.x, thumb.y + 150}));
    EXPECT_TRUE(WaitUntil([&] {
        const HTREEITEM now = next(TVGN_FIRSTVISIBLE);
        return now != shownFirst && now != next(TVGN_NEXTVISIBLE, shownFirst);
    }));
}

TEST_F(SkinnedControls, AMessageBoxsButtonAndTheSaveDialogsControlsWearTheSkin) {
    ui->PressLater(ui->initialsButton);  // no initials: "请输入首字母"
    HWND box = WaitForMessageBox(app.ProcessId(), L"确认");
    ASSERT_NE(box, nullptr);
    const HWND ok = FindWindowExW(box, nullptr, L"Button", nullptr);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return AnswersSkinned(ok); }));
    EXPECT_TRUE(WaitUntil([&] { return EdgesAreTheSkins(ok, *skins[0]); }))
        << ::testing::PrintToString(EdgeDifferences(ok, *skins[0]));
    DismissMessageBox(box);

    ui->SetBoxText(ui->keywordBox, L"按图索骥");
    ui->Press(ui->keywordButton);
    ui->PressToolButton(kExportRtf, false);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w && !dialog;
             w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == app.ProcessId() && IsWindowVisible(w) && GetDlgItem(w, kFileNameBox))
                dialog = w;
        }
        return dialog != nullptr;
    }));
    for (const int id : {IDOK, IDCANCEL}) {
        EXPECT_TRUE(WaitUntil([&] { return AnswersSkinned(GetDlgItem(dialog, id)); })) << id;
        EXPECT_TRUE(WaitUntil([&] { return EdgesAreTheSkins(GetDlgItem(dialog, id), *skins[0]); }))
            << id << " "
            << ::testing::PrintToString(EdgeDifferences(GetDlgItem(dialog, id), *skins[0]));
    }
    int combos = 0;
    for (HWND combo : ChildWindows(dialog, L"ComboBox")) {
        if (IsWindowVisible(combo) && (GetWindowLongW(combo, GWL_STYLE) & 3) != CBS_SIMPLE) {
            ++combos;
            EXPECT_TRUE(AnswersSkinned(combo));
        }
    }
    EXPECT_GT(combos, 0);
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
}

}  // namespace
