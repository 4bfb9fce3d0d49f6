// Frame objects on real windows under Wine, driven by messages: attaching
// and detaching, the frame's thickness, hit-testing, the outline, the
// caption buttons' tracking and actions, clicks, the system commands and
// the manager's choice of windows.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/window/engine_messages.h"
#include "skin_window_fixture.h"
#include "ui/form.h"

namespace skinwindow {
namespace {

using skin::ElementState;
using skin::window::SkinState;

bool HasOutline(const TestWindow& w) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(w.Handle(), region) != ERROR;
    DeleteObject(region);
    return has;
}

class FrameTest : public SkinWindowTest {
  protected:
    FrameTest() { AddSkinData(); }

    // Index of the box skin's caption buttons.
    enum Button { kClose = 0, kMax = 1, kRestore = 2, kOwn = 3, kIcon = 4 };

    // A point in the middle of a caption button, in window coordinates.
    POINT Middle(const TestWindow& w, int button) {
        const skin::Rect place = FrameOf(w)->CaptionButtons().at(button).Place;
        return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    }
    // Sends a non-client mouse message at window coordinates, with the
    // hit code the window's hit-testing gives there, as the system does.
    // The pointer is there first, for the frame's hover check.
    void Mouse(TestWindow& w, UINT msg, POINT at) {
        const LPARAM screen = ScreenAt(w, at.x, at.y);
        const POINT target{LOWORD(screen), HIWORD(screen)};
        SetCursorPos(target.x, target.y);
        PumpUntil([&] {
            POINT p;
            GetCursorPos(&p);
            return p.x == target.x && p.y == target.y;
        });
        PumpMessages();
        const LRESULT hit = SendMessageW(w.Handle(), WM_NCHITTEST, 0, screen);
        SendMessageW(w.Handle(), msg, static_cast<WPARAM>(hit), screen);
        PumpMessages();
    }
    ElementState StateOf(const TestWindow& w, int button) {
        return FrameOf(w)->CaptionButtons().at(button).State;
    }
};

TEST_F(FrameTest, AttachingKeepsTheClientAreaAndDetachingRestoresTheWindowExactly) {
    struct Row {
        Kind kind;
        SIZE skinned;  // the window under the skinned frame
    };
    const Row rows[] = {
        {Kind::Sizeable, {408, 334}},
        {Kind::Fixed, {408, 334}},
        {Kind::Dialog, {408, 334}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(KindName(row.kind));
        TestWindow w(row.kind);
        const SIZE before = w.WindowSize();
        main->SetActive(true);
        Manager().RunPendingCommand();
        w.Show();
        ASSERT_NE(FrameOf(w), nullptr);
        EXPECT_EQ(FrameOf(w)->State(), SkinState::Running);
        EXPECT_EQ(w.WindowSize().cx, row.skinned.cx);
        EXPECT_EQ(w.WindowSize().cy, row.skinned.cy);
        EXPECT_EQ(w.ClientSize().cx, 400);
        EXPECT_EQ(w.ClientSize().cy, 300);
        EXPECT_EQ(w.ClientOrigin().x, 4) << "WM_NCCALCSIZE: the left border";
        EXPECT_EQ(w.ClientOrigin().y, 30) << "WM_NCCALCSIZE: the caption";

        main->SetActive(false);
        Manager().RunPendingCommand();
        PumpMessages();
        EXPECT_EQ(FrameOf(w), nullptr);
        EXPECT_EQ(w.WindowSize().cx, before.cx);
        EXPECT_EQ(w.WindowSize().cy, before.cy);
        EXPECT_EQ(w.ClientSize().cx, 400);
        EXPECT_EQ(w.ClientSize().cy, 300);
        EXPECT_FALSE(HasOutline(w)) << "the region is gone";
    }
}

TEST_F(FrameTest, AWindowWithoutCaptionGetsNoFrame) {
    TestWindow w(Kind::NoCaption);
    const SIZE before = w.WindowSize();
    w.Show();
    ASSERT_NE(FrameOf(w), nullptr);
    EXPECT_EQ(FrameOf(w)->Metrics().CaptionHeight, 0);
    EXPECT_EQ(FrameOf(w)->Metrics().BorderLeft, 0);
    EXPECT_EQ(w.WindowSize().cx, before.cx);
    EXPECT_EQ(w.WindowSize().cy, before.cy);
}

// A 6-pixel left border of 2 states is 3 wide; a 60-pixel top border of 2
// states is 30 high.
TEST_F(FrameTest, TheFramesThicknessComesFromTheBorderPictures) {
    skintest::Members members;
    members.Add("top.bmp", skintest::States(1, 1, 40, 60));
    members.Add("left.bmp", skintest::States(2, 2, 3, 40));
    members.Add("right.bmp", skintest::States(3, 1, 5, 40));
    members.Add("bottom.bmp", skintest::States(4, 1, 40, 2));
    LoadSkin(*main,
             "[Personality]\nTop=top.bmp\nTopFrame=2\nLeft=left.bmp\nLeftFrame=2\n"
             "Right=right.bmp\nRightFrame=1\nBottom=bottom.bmp\nBottomFrame=1\n",
             members);
    TestWindow w(Kind::Fixed);
    w.Show();
    EXPECT_EQ(w.ClientOrigin().x, 3);
    EXPECT_EQ(w.ClientOrigin().y, 30);
    EXPECT_EQ(w.WindowSize().cx, 400 + 3 + 5);
    EXPECT_EQ(w.WindowSize().cy, 300 + 30 + 2);
}

TEST_F(FrameTest, TheMenuMovesIntoABandUnderTheCaption) {
    TestWindow w(Kind::Fixed);
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"Open");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(menu, MF_STRING, 102, L"&Help");
    SetMenu(w.Handle(), menu);
    const SIZE client = w.ClientSize();  // the system's menu bar took its height
    w.Show();
    const int band = GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(GetMenu(w.Handle()), nullptr) << "only the band shows";
    EXPECT_EQ(w.ClientOrigin().y, 30 + band);
    EXPECT_EQ(w.ClientSize().cy, client.cy);
    EXPECT_EQ(w.WindowSize().cy, client.cy + 30 + band + 4);
    EXPECT_EQ(reinterpret_cast<HMENU>(SendMessageW(w.Handle(), MN_GETHMENU, 0, 0)), menu);
    // Below the caption, the band answers as the menu.
    EXPECT_EQ(SendMessageW(w.Handle(), WM_NCHITTEST, 0, ScreenAt(w, 300, 30 + band / 2)), HTMENU);

    main->SetActive(false);
    Manager().RunPendingCommand();
    EXPECT_EQ(GetMenu(w.Handle()), menu) << "detaching gives the menu back";
    EXPECT_EQ(w.ClientSize().cy, client.cy);
}

TEST_F(FrameTest, HitTestingRevisesOnlyTheCaptionAndNowhere) {
    TestWindow sizeable(Kind::Sizeable, L"SkinTestWindow", 40, 40);
    sizeable.Show();
    TestWindow fixed(Kind::Fixed, L"SkinTestWindow", 480, 40);
    fixed.Show();
    struct Row {
        const TestWindow& window;
        int x, y;
        LRESULT expected;
    };
    const Row rows[] = {
        {sizeable, 200, 10, HTCAPTION},  // inside the skinned caption
        {sizeable, 200, 27, HTCAPTION},  // below the system's caption
        {sizeable, 300, 14, HTCAPTION},  // a caption button is no button to the system
        {sizeable, 200, 150, HTCLIENT},  // the client area stands
        {sizeable, 1, 150, HTLEFT},      // a sizing edge stands
        {sizeable, 407, 333, HTBOTTOMRIGHT}, {fixed, 200, 10, HTCAPTION},
        {fixed, 200, 29, HTCAPTION},         {fixed, 200, 150, HTCLIENT},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(
            SendMessageW(row.window.Handle(), WM_NCHITTEST, 0, ScreenAt(row.window, row.x, row.y)),
            row.expected)
            << row.x << "," << row.y;
    }
}

TEST_F(FrameTest, TheOutlineFollowsTheMagentaCorners) {
    struct Row {
        bool transparent;
        int x, y;
        bool inside;
    };
    const Row rows[] = {
        {false, 0, 0, true},    {false, 407, 0, true}, {true, 0, 0, false}, {true, 1, 0, false},
        {true, 0, 1, false},    {true, 2, 0, true},    {true, 1, 1, true},  {true, 407, 0, false},
        {true, 406, 1, true},   {true, 0, 333, true},  // the bottom corners are opaque
        {true, 200, 150, true},
    };
    for (const bool transparent : {false, true}) {
        LoadBoxSkin(*main, transparent);
        TestWindow w(Kind::Fixed);
        w.Show();
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const int kind = GetWindowRgn(w.Handle(), region);
        EXPECT_NE(kind, ERROR);
        for (const Row& row : rows) {
            if (row.transparent != transparent)
                continue;
            EXPECT_EQ(PtInRegion(region, row.x, row.y) != FALSE, row.inside)
                << transparent << " " << row.x << "," << row.y;
        }
        DeleteObject(region);
    }
}

// A window whose frame is refreshed while it is hidden (the About window
// after it closed, the main window in the tray) stays hidden: the refresh
// holds the drawing of shown windows only.
TEST_F(FrameTest, ARefreshLeavesAHiddenWindowHidden) {
    LoadBoxSkin(*main);
    TestWindow w(Kind::Fixed);
    w.Show();
    ASSERT_NE(FrameOf(w), nullptr);
    ShowWindow(w.Handle(), SW_HIDE);
    PumpMessages();
    LoadBoxSkin(*main, true);
    main->ApplySkin();
    Manager().RunPendingCommand();
    PumpMessages();
    EXPECT_EQ(GetWindowLongW(w.Handle(), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_TRUE(HasOutline(w)) << "refreshed all the same";
}

// A caption button acts when the mouse button is released over it, having
// gone down there and not left it since; the sequences as the user makes
// them, and what the window is posted.
TEST_F(FrameTest, CaptionButtonsActOnlyWhenReleasedWhereTheyWerePressed) {
    struct Step {
        UINT msg;
        int button;  // where the pointer is: a caption button, or -1 the caption
    };
    struct Row {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::string> posted;
    };
    const Row rows[] = {
        {"close",
         {{WM_NCMOUSEMOVE, kClose}, {WM_NCLBUTTONDOWN, kClose}, {WM_NCLBUTTONUP, kClose}},
         {"syscommand F060"}},
        {"maximise", {{WM_NCLBUTTONDOWN, kMax}, {WM_NCLBUTTONUP, kMax}}, {"syscommand F030"}},
        {"the skin's own", {{WM_NCLBUTTONDOWN, kOwn}, {WM_NCLBUTTONUP, kOwn}}, {"action 42"}},
        {"released elsewhere", {{WM_NCLBUTTONDOWN, kClose}, {WM_NCLBUTTONUP, kMax}}, {}},
        {"left and came back",
         {{WM_NCLBUTTONDOWN, kClose},
          {WM_NCMOUSEMOVE, -1},
          {WM_NCMOUSEMOVE, kClose},
          {WM_NCLBUTTONUP, kClose}},
         {}},
        {"released without a press", {{WM_NCMOUSEMOVE, kClose}, {WM_NCLBUTTONUP, kClose}}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow w(Kind::Sizeable);
        w.Show();
        for (const Step& step : row.steps)
            Mouse(w, step.msg, step.button < 0 ? POINT{150, 15} : Middle(w, step.button));
        EXPECT_EQ(w.log, row.posted);
    }
}

TEST_F(FrameTest, AButtonShowsHotPressedAndNormal) {
    TestWindow w(Kind::Sizeable);
    w.Show();
    Mouse(w, WM_NCMOUSEMOVE, Middle(w, kClose));
    EXPECT_EQ(StateOf(w, kClose), ElementState::Hot);
    Mouse(w, WM_NCLBUTTONDOWN, Middle(w, kClose));
    EXPECT_EQ(StateOf(w, kClose), ElementState::Pressed);
    Mouse(w, WM_NCMOUSEMOVE, Middle(w, kMax));
    EXPECT_EQ(StateOf(w, kClose), ElementState::Normal);
    EXPECT_EQ(StateOf(w, kMax), ElementState::Hot);
    // The hover check lets go of a button the pointer has left.
    SetCursorPos(w.WindowRect().left + 200, w.WindowRect().top + 150);
    PumpUntil([&] { return StateOf(w, kMax) == ElementState::Normal; }, 1000);
    EXPECT_EQ(StateOf(w, kMax), ElementState::Normal);
}

TEST_F(FrameTest, DoubleClicksOnTheCaptionAndTheIconButton) {
    TestWindow w(Kind::Sizeable);
    w.Show();
    Mouse(w, WM_NCLBUTTONDBLCLK, {200, 15});
    EXPECT_EQ(w.log, std::vector<std::string>{"syscommand F030"}) << "a normal window maximises";
    w.log.clear();
    ShowWindow(w.Handle(), SW_MAXIMIZE);
    PumpMessages();
    Mouse(w, WM_NCLBUTTONDBLCLK, {200, 15});
    EXPECT_EQ(w.log, std::vector<std::string>{"syscommand F120"}) << "a maximised one restores";
    w.log.clear();
    ShowWindow(w.Handle(), SW_RESTORE);
    PumpMessages();
    Mouse(w, WM_NCLBUTTONDBLCLK, Middle(w, kIcon));
    EXPECT_EQ(w.log, std::vector<std::string>{"syscommand F060"}) << "the icon button closes";
}

TEST_F(FrameTest, AMaximisedWindowCannotBeDraggedByItsCaption) {
    TestWindow w(Kind::Sizeable);
    w.Show();
    Mouse(w, WM_NCLBUTTONDOWN, {200, 15});
    EXPECT_EQ(w.log, std::vector<std::string>{"nclbuttondown 2"}) << "HTCAPTION: it moves";
    w.log.clear();
    ShowWindow(w.Handle(), SW_MAXIMIZE);
    PumpMessages();
    Mouse(w, WM_NCLBUTTONDOWN, {200, 15});
    EXPECT_EQ(w.log, std::vector<std::string>{"nclbuttondown 5"}) << "HTMENU: it stays";
}

// Closes the menu that the frame opens while the message that opened it is
// still being handled, and says what it saw.
class MenuCloser {
  public:
    MenuCloser() {
        g_seen = nullptr;
        timer_ = SetTimer(nullptr, 0, 50, Close);
    }
    ~MenuCloser() { KillTimer(nullptr, timer_); }
    // The menu that was open, or null, and how many items it had.
    static HMENU Seen() { return g_seen; }
    static int SeenItems() { return g_items; }

  private:
    static void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD) {
        if (HWND menu = FindWindowW(L"#32768", nullptr); menu && IsWindowVisible(menu)) {
            g_seen = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
            g_items = GetMenuItemCount(g_seen);
            EndMenu();
        }
    }
    static inline HMENU g_seen = nullptr;
    static inline int g_items = 0;
    UINT_PTR timer_;
};

// The caption buttons are caption to the system's hit-testing: two right
// clicks on one, within the double-click time, open the system menu, then
// close the window.
TEST_F(FrameTest, TwoRightClicksOpenTheSystemMenuThenCloseTheWindow) {
    TestWindow w(Kind::Sizeable);
    w.Show();
    {
        const MenuCloser closer;
        Mouse(w, WM_NCMOUSEMOVE, Middle(w, kOwn));
        Mouse(w, WM_NCRBUTTONDOWN, Middle(w, kOwn));
        ASSERT_NE(MenuCloser::Seen(), nullptr) << "the skinned system menu opened";
        EXPECT_EQ(MenuCloser::SeenItems(), GetMenuItemCount(GetSystemMenu(w.Handle(), FALSE)));
    }
    EXPECT_TRUE(w.log.empty());
    Mouse(w, WM_NCMOUSEMOVE, Middle(w, kOwn));
    Mouse(w, WM_NCRBUTTONDOWN, Middle(w, kOwn));
    EXPECT_EQ(w.log, std::vector<std::string>{"close"}) << "within the double-click time";
}

TEST_F(FrameTest, AltSpaceOpensTheSystemMenuAndF10TheFirstMenu) {
    TestWindow w(Kind::Fixed);
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"Open");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    SetMenu(w.Handle(), menu);
    w.Show();
    struct Row {
        LPARAM key;
        bool systemMenu;  // else the band's first menu
    };
    for (const Row row : {Row{' ', true}, Row{0, false}, Row{'f', false}}) {
        const MenuCloser closer;
        SendMessageW(w.Handle(), WM_SYSCOMMAND, SC_KEYMENU, row.key);
        PumpMessages();
        ASSERT_NE(MenuCloser::Seen(), nullptr) << row.key;
        if (row.systemMenu) {
            EXPECT_EQ(MenuCloser::SeenItems(), GetMenuItemCount(GetSystemMenu(w.Handle(), FALSE)));
        } else {
            EXPECT_EQ(MenuCloser::Seen(), file) << row.key;
        }
    }
}

// The manager's choice of windows: the Tag 99 of a form, the "preview"
// rule, and the skin data of the system's dialogs.
class PreviewForm : public ui::TForm {
  public:
    PreviewForm(ui::TComponent& owner, const wchar_t* className)
        : ui::TForm(owner, className, ui::TFormBorderStyle::bsSingle,
                    ui::TPosition::poScreenCenter) {}
};

TEST_F(FrameTest, FormsWithTag99AndPreviewsWhenNotWantedKeepTheirFrames) {
    struct Row {
        const wchar_t* className;
        int tag;
        bool preview;  // xoPreview in Options
        bool skinned;
    };
    const Row rows[] = {
        {L"TPlainTestForm", 0, true, true},      {L"TPlainTestForm", 99, true, false},
        {L"TPrintPreviewForm", 0, true, true},   {L"TPrintPreviewForm", 0, false, false},
        {L"TPRINTPREVIEWForm", 0, false, false}, {L"TPlainTestForm", 0, false, true},
    };
    for (const Row& row : rows) {
        if (row.preview)
            main->Options.Include(skin::TSkinOption::xoPreview);
        else
            main->Options.Exclude(skin::TSkinOption::xoPreview);
        auto* form = ui::Make<PreviewForm>(application, row.className);
        form->Tag = row.tag;
        form->Show();
        PumpMessages();
        EXPECT_EQ(Manager().FindSkinnedWindow(form->Handle()) != nullptr, row.skinned)
            << row.tag << " " << row.preview;
        application.FreeComponent(form);
        PumpMessages();
    }
}

// A dialog of the system's class "#32770", made from a template in memory.
HWND SystemDialog() {
    struct alignas(4) {
        DLGTEMPLATE dialog;
        WORD menu = 0, windowClass = 0, title = 0;
    } data{};
    data.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    data.dialog.cx = 150;
    data.dialog.cy = 80;
    return CreateDialogIndirectW(GetModuleHandleW(nullptr), &data.dialog, nullptr,
                                 [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; });
}

TEST_F(FrameTest, SystemDialogsWearTheDialogSkinDataWhenThereIsOne) {
    for (const bool withDialogData : {false, true}) {
        skin::TSkinData* dialogData =
            withDialogData ? &AddSkinData(skin::TSkinFormType::sfDialog) : nullptr;
        HWND dialog = SystemDialog();
        ShowWindow(dialog, SW_SHOW);
        SetForegroundWindow(dialog);
        PumpMessages();
        skin::window::TSkinForm* frame = Manager().FindSkinnedWindow(dialog);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->SkinData(), withDialogData ? dialogData : main);
        DestroyWindow(dialog);
        PumpMessages();
    }
}

}  // namespace
}  // namespace skinwindow
