#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "message_pump.h"
#include "tray/tray_icon.h"
#include "tray/tray_icon_handler.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win_handle.h"

namespace {

// A main form that counts the minimise commands its own handling gets.
class TestForm : public ui::TForm {
  public:
    explicit TestForm(ui::TComponent& owner)
        : ui::TForm(owner, L"TTrayTestForm", ui::TFormBorderStyle::bsSingle,
                    ui::TPosition::poScreenCenter) {}
    int minimizeCommands = 0;
    // Frees what the form owns, as its destruction does first.
    void FreeParts() { FreeOwnedComponents(); }

  protected:
    void WMSysCommand(ui::TMessage& m) override {
        if (m.WParam == SC_MINIMIZE)
            ++minimizeCommands;
        ui::TForm::WMSysCommand(m);
    }
};

// Counts the shell calls that add the icon.
class CountingTrayIcon : public TTrayIcon {
  public:
    using TTrayIcon::TTrayIcon;
    int adds = 0;

  protected:
    bool AddTrayIcon() override {
        ++adds;
        return TTrayIcon::AddTrayIcon();
    }
};

class TrayIconTest : public ::testing::Test {
  protected:
    TrayIconTest() {
        application.Initialize();
        form = application.CreateForm<TestForm>();
        tray = std::make_unique<CountingTrayIcon>(*form);
    }

    // What the shell sends when something happens to the icon.
    void Notify(UINT code) const {
        SendMessageW(TTrayIconHandler::Instance()->Handle(), TTrayIconHandler::kCallbackMessage,
                     tray->IconId(), code);
    }

    // An image list of `count` differently coloured 16 × 16 pictures.
    ui::TImageList* MakeIconList(int count) {
        auto* list = ui::Make<ui::TImageList>(*form, 16, 16);
        const ui::WindowDC screen(nullptr);
        ui::OwnedBitmap strip(CreateCompatibleBitmap(screen.get(), 16 * count, 16));
        {
            const HDC dc = CreateCompatibleDC(screen.get());
            const ui::Selection selected(dc, strip.get());
            for (int i = 0; i < count; ++i) {
                const ui::OwnedBrush brush(CreateSolidBrush(RGB(40 * i, 200 - 40 * i, 90)));
                const RECT r{16 * i, 0, 16 * i + 16, 16};
                FillRect(dc, &r, brush.get());
            }
            DeleteDC(dc);
        }
        list->AddMasked(strip.get(), RGB(255, 0, 255));
        return list;
    }

    ui::TApplication application;
    TestForm* form;
    std::unique_ptr<CountingTrayIcon> tray;
};

// Closes any menu that opens while it lives, and says whether one did.
class MenuCloser {
  public:
    MenuCloser() {
        seen_ = false;
        timer_ = SetTimer(nullptr, 0, 30, Tick);
    }
    ~MenuCloser() { KillTimer(nullptr, timer_); }
    bool MenuSeen() const { return seen_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        // Only this thread's menus: other test programs may run beside.
        EnumThreadWindows(GetCurrentThreadId(), CloseIfMenu, 0);
    }
    static BOOL CALLBACK CloseIfMenu(HWND window, LPARAM) {
        wchar_t name[16];
        GetClassNameW(window, name, 16);
        if (std::wstring_view(name) == L"#32768" && IsWindowVisible(window)) {
            seen_ = true;
            EndMenu();
        }
        return TRUE;
    }
    static inline bool seen_ = false;
    UINT_PTR timer_;
};

// Puts the cursor somewhere and waits until the system reports it there.
bool MoveCursor(int x, int y) {
    SetCursorPos(x, y);
    return PumpUntil([&] {
        POINT p;
        return GetCursorPos(&p) && p.x == x && p.y == y;
    });
}

struct Press {
    TMouseButton button;
    TShiftState shift;
};

// Stands in for the shell's tray window while it lives: Wine's shell library
// sends each call to the first window of the tray's class, the newest. It
// answers every call and keeps which call each was.
class ShellTrayStandIn {
  public:
    ShellTrayStandIn() {
        calls_.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Shell_TrayWnd";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    }
    ~ShellTrayStandIn() { DestroyWindow(window_); }
    ShellTrayStandIn(const ShellTrayStandIn&) = delete;
    ShellTrayStandIn& operator=(const ShellTrayStandIn&) = delete;

    bool First() const {
        return FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr) == window_;
    }
    // The calls since the last look.
    std::vector<DWORD> Calls() { return std::exchange(calls_, {}); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_COPYDATA) {
            calls_.push_back(static_cast<DWORD>(reinterpret_cast<COPYDATASTRUCT*>(lParam)->dwData));
            return TRUE;
        }
        return DefWindowProcW(window, msg, wParam, lParam);
    }
    static inline std::vector<DWORD> calls_;
    HWND window_;
};

using ShellCalls = std::vector<DWORD>;

}  // namespace

TEST(TrayTip, IsTheHintCutToWhatTheTrayHolds) {
    EXPECT_EQ(TrayTip(std::string(200, 'a'), true), std::wstring(127, L'a'));
    EXPECT_EQ(TrayTip(std::string(127, 'a'), true), std::wstring(127, L'a'));
    EXPECT_EQ(TrayTip("Lexora电子版", true), L"Lexora电子版");
    EXPECT_EQ(TrayTip("Lexora电子版", false), L"");
    // A character beyond the first plane takes two places: it goes whole.
    EXPECT_EQ(TrayTip(std::string(126, 'a') + "𠀀", true), std::wstring(126, L'a'));
}

TEST_F(TrayIconTest, AClickWithoutADoubleClickHandlerComesAtButtonUp) {
    int clicks = 0;
    std::vector<Press> downs, ups;
    tray->OnClick = [&](ui::TComponent& sender) {
        EXPECT_EQ(&sender, tray.get());
        ++clicks;
    };
    tray->OnMouseDown = [&](ui::TComponent&, TMouseButton b, TShiftState s, int, int) {
        downs.push_back({b, s});
    };
    tray->OnMouseUp = [&](ui::TComponent&, TMouseButton b, TShiftState s, int, int) {
        ups.push_back({b, s});
    };
    Notify(WM_LBUTTONDOWN);
    EXPECT_EQ(clicks, 0);
    Notify(WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, TMouseButton::mbLeft);
    EXPECT_TRUE(downs[0].shift & ssLeft);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_TRUE(ups[0].shift & ssLeft);
    // A button-up without its button-down is no click.
    Notify(WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIconTest, WithADoubleClickHandlerAClickWaitsForTheDoubleClickTime) {
    int clicks = 0, doubleClicks = 0;
    tray->OnClick = [&](ui::TComponent&) { ++clicks; };
    tray->OnDblClick = [&](ui::TComponent&) { ++doubleClicks; };
    const ULONGLONG start = GetTickCount64();
    Notify(WM_LBUTTONDOWN);
    Notify(WM_LBUTTONUP);
    EXPECT_EQ(clicks, 0);
    ASSERT_TRUE(PumpUntil([&] { return clicks > 0; }));
    EXPECT_GE(GetTickCount64() - start + 20, GetDoubleClickTime());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 0);
}

TEST_F(TrayIconTest, ADoubleClickGivesOnlyTheDoubleClickEvent) {
    int clicks = 0, doubleClicks = 0;
    tray->OnClick = [&](ui::TComponent&) { ++clicks; };
    tray->OnDblClick = [&](ui::TComponent&) { ++doubleClicks; };
    // The system's sequence for a double click.
    Notify(WM_LBUTTONDOWN);
    Notify(WM_LBUTTONUP);
    Notify(WM_LBUTTONDBLCLK);
    Notify(WM_LBUTTONUP);
    EXPECT_EQ(doubleClicks, 1);
    PumpFor(GetDoubleClickTime() + 300);
    EXPECT_EQ(clicks, 0);
    // The next single click is reported again.
    Notify(WM_LBUTTONDOWN);
    Notify(WM_LBUTTONUP);
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
}

TEST_F(TrayIconTest, WhenDisabledOnlyBalloonNotificationsCount) {
    int mouse = 0, balloon = 0;
    tray->OnClick = [&](ui::TComponent&) { ++mouse; };
    tray->OnDblClick = [&](ui::TComponent&) { ++mouse; };
    tray->OnMouseDown = [&](ui::TComponent&, TMouseButton, TShiftState, int, int) { ++mouse; };
    tray->OnMouseUp = [&](ui::TComponent&, TMouseButton, TShiftState, int, int) { ++mouse; };
    tray->OnMouseMove = [&](ui::TComponent&, TShiftState, int, int) { ++mouse; };
    tray->OnBalloonHintShow = [&](ui::TComponent&) { balloon += 1; };
    tray->OnBalloonHintHide = [&](ui::TComponent&) { balloon += 10; };
    tray->OnBalloonHintTimeout = [&](ui::TComponent&) { balloon += 100; };
    tray->OnBalloonHintClick = [&](ui::TComponent&) { balloon += 1000; };
    auto* menu = ui::Make<ui::TPopupMenu>(*form);
    tray->PopupMenu = menu;
    tray->Enabled = false;
    const MenuCloser closer;
    for (UINT code : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                      WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}) {
        Notify(code);
    }
    EXPECT_EQ(mouse, 0);
    EXPECT_FALSE(closer.MenuSeen());
    for (UINT code : {NIN_BALLOONSHOW, NIN_BALLOONHIDE, NIN_BALLOONTIMEOUT, NIN_BALLOONUSERCLICK})
        Notify(code);
    EXPECT_EQ(balloon, 1111);
}

TEST_F(TrayIconTest, TheOtherButtonsReportDownAndUp) {
    std::vector<Press> downs, ups;
    tray->OnMouseDown = [&](ui::TComponent&, TMouseButton b, TShiftState s, int, int) {
        downs.push_back({b, s});
    };
    tray->OnMouseUp = [&](ui::TComponent&, TMouseButton b, TShiftState s, int, int) {
        ups.push_back({b, s});
    };
    for (UINT code : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONDBLCLK,
                      WM_MBUTTONDBLCLK, WM_CONTEXTMENU}) {
        Notify(code);
    }
    ASSERT_EQ(downs.size(), 2u);
    ASSERT_EQ(ups.size(), 2u);
    EXPECT_EQ(downs[0].button, TMouseButton::mbRight);
    EXPECT_EQ(downs[0].shift & (ssLeft | ssRight | ssMiddle), TShiftState{ssRight});
    EXPECT_EQ(ups[1].button, TMouseButton::mbMiddle);
    EXPECT_EQ(ups[1].shift & (ssLeft | ssRight | ssMiddle), TShiftState{ssMiddle});
}

TEST_F(TrayIconTest, ADoubleClickClicksTheFirstDefaultItemOfTheMenu) {
    auto* menu = ui::Make<ui::TPopupMenu>(*form);
    std::vector<int> clicked;
    for (int i = 0; i < 3; ++i) {
        auto* item = ui::Make<ui::TMenuItem>(*form);
        item->SetCaption("item");
        item->SetDefault(i > 0);
        item->OnClick = [&clicked, i](ui::TComponent&) { clicked.push_back(i); };
        menu->Items->Add(item);
    }
    tray->PopupMenu = menu;
    Notify(WM_LBUTTONDBLCLK);
    EXPECT_EQ(clicked, std::vector<int>{1});

    menu->AutoPopup = false;
    Notify(WM_LBUTTONDBLCLK);
    menu->AutoPopup = true;
    tray->LeftPopup = true;
    Notify(WM_LBUTTONDBLCLK);
    EXPECT_EQ(clicked, std::vector<int>{1});
}

TEST_F(TrayIconTest, TheRightButtonOpensTheMenuWhenItPopsUpByItself) {
    auto* menu = ui::Make<ui::TPopupMenu>(*form);
    auto* item = ui::Make<ui::TMenuItem>(*form);
    item->SetCaption("item");
    menu->Items->Add(item);
    tray->PopupMenu = menu;
    int downs = 0;
    tray->OnMouseDown = [&](ui::TComponent&, TMouseButton, TShiftState, int, int) { ++downs; };
    {
        const MenuCloser closer;
        Notify(WM_RBUTTONDOWN);
        EXPECT_TRUE(closer.MenuSeen());
        EXPECT_EQ(menu->PopupComponent, tray.get());
    }
    menu->AutoPopup = false;
    {
        const MenuCloser closer;
        Notify(WM_RBUTTONDOWN);
        EXPECT_FALSE(closer.MenuSeen());
    }
    EXPECT_EQ(downs, 2);
    // The left button opens it only when asked to.
    menu->AutoPopup = true;
    {
        const MenuCloser closer;
        Notify(WM_LBUTTONDOWN);
        EXPECT_FALSE(closer.MenuSeen());
        tray->LeftPopup = true;
        Notify(WM_LBUTTONDOWN);
        EXPECT_TRUE(closer.MenuSeen());
    }
}

TEST_F(TrayIconTest, ThePollTellsWhenThePointerHasLeft) {
    int enters = 0, exits = 0, moves = 0;
    POINT where{};
    tray->OnMouseEnter = [&](ui::TComponent&) { ++enters; };
    tray->OnMouseExit = [&](ui::TComponent&) { ++exits; };
    tray->OnMouseMove = [&](ui::TComponent&, TShiftState, int x, int y) {
        ++moves;
        where = {x, y};
    };
    ASSERT_TRUE(MoveCursor(100, 100));
    Notify(WM_MOUSEMOVE);
    EXPECT_EQ(enters, 0);  // not asked for
    tray->SetWantEnterExitEvents(true);
    Notify(WM_MOUSEMOVE);
    Notify(WM_MOUSEMOVE);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(moves, 3);
    EXPECT_EQ(where.x, 100);
    EXPECT_EQ(where.y, 100);
    PumpFor(100);
    EXPECT_EQ(exits, 0);
    ASSERT_TRUE(MoveCursor(300, 200));
    EXPECT_TRUE(PumpUntil([&] { return exits == 1; }));
    Notify(WM_MOUSEMOVE);
    EXPECT_EQ(enters, 2);
}

TEST_F(TrayIconTest, CyclingStepsThroughTheListAndSaysWhatComesNext) {
    tray->SetIconList(MakeIconList(3));
    std::vector<std::pair<int, int>> steps;  // shown index, next index
    tray->OnCycle = [&](ui::TComponent&, int next) { steps.emplace_back(tray->IconIndex(), next); };
    tray->SetCycleInterval(10);
    tray->SetCycleIcons(true);
    ASSERT_TRUE(PumpUntil([&] { return steps.size() >= 4; }));
    tray->SetCycleIcons(false);
    const std::vector<std::pair<int, int>> expected{{0, 1}, {1, 2}, {2, 0}, {0, 1}};
    EXPECT_EQ(std::vector(steps.begin(), steps.begin() + 4), expected);
}

TEST_F(TrayIconTest, TheIconIndexStaysInsideTheList) {
    ui::TImageList* list = MakeIconList(4);
    tray->SetIconList(list);
    EXPECT_FALSE(tray->Icon().Empty());
    tray->SetIconIndex(10);
    EXPECT_EQ(tray->IconIndex(), 3);
    tray->SetIconIndex(2);
    EXPECT_EQ(tray->IconIndex(), 2);
    tray->SetIconList(list);
    EXPECT_EQ(tray->IconIndex(), 0);
    tray->SetIconList(nullptr);
    tray->SetIconIndex(2);
    EXPECT_EQ(tray->IconIndex(), 0);
}

TEST_F(TrayIconTest, ARestartedTaskBarGetsTheVisibleIconBack) {
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    tray->SetIconVisible(true);
    EXPECT_EQ(tray->adds, 1);
    SendMessageW(application.Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(tray->adds, 2);
    tray->SetIconVisible(false);
    SendMessageW(application.Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(tray->adds, 2);
    EXPECT_FALSE(tray->IconVisible());
}

TEST_F(TrayIconTest, MinimisingWithoutAHandlerHidesThroughTheApplicationWindow) {
    tray->MinimizeToTray = true;
    form->Show();
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(form->minimizeCommands, 1);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(application.Handle()));
    EXPECT_TRUE(tray->IconVisible());
}

TEST_F(TrayIconTest, MinimisingWithAHandlerStopsTheCommand) {
    int minimised = 0;
    tray->MinimizeToTray = true;
    tray->OnMinimizeToTray = [&](ui::TComponent&) { ++minimised; };
    form->Show();
    const LRESULT result = SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(minimised, 1);
    EXPECT_EQ(form->minimizeCommands, 0);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(application.Handle()));
    EXPECT_TRUE(tray->IconVisible());

    // Restoring the application shows the main form again.
    SendMessageW(application.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(form->Visible());
}

TEST_F(TrayIconTest, GoingGivesTheOwnerItsHandlerAndTheShellItsIconBack) {
    tray->MinimizeToTray = true;
    tray->OnMinimizeToTray = [](ui::TComponent&) {};
    tray->SetIconVisible(true);
    tray.reset();
    EXPECT_EQ(TTrayIconHandler::Instance(), nullptr);
    form->Show();
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(form->minimizeCommands, 1);
}

TEST_F(TrayIconTest, GoingWithTheOtherPartsOfItsOwnerGivesTheOwnerItsHandlerBack) {
    tray.reset();
    auto* owned = ui::Make<TTrayIcon>(*form);
    owned->MinimizeToTray = true;
    owned->OnMinimizeToTray = [](ui::TComponent&) {};
    form->FreeParts();
    form->Show();
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(form->minimizeCommands, 1);
}

TEST_F(TrayIconTest, AllIconsShareOneWindowAndStrayNotificationsDoNothing) {
    const HWND window = TTrayIconHandler::Instance()->Handle();
    int clicks = 0;
    tray->OnClick = [&](ui::TComponent&) { ++clicks; };
    {
        TTrayIcon second(*form);
        EXPECT_EQ(TTrayIconHandler::Instance()->RefCount(), 2u);
        EXPECT_EQ(TTrayIconHandler::Instance()->Handle(), window);
        EXPECT_NE(second.IconId(), tray->IconId());
        SendMessageW(window, TTrayIconHandler::kCallbackMessage, second.IconId(), WM_LBUTTONDOWN);
        SendMessageW(window, TTrayIconHandler::kCallbackMessage, second.IconId(), WM_LBUTTONUP);
    }
    EXPECT_EQ(clicks, 0);
    SendMessageW(window, TTrayIconHandler::kCallbackMessage, 0x12345678, WM_LBUTTONDOWN);
    EXPECT_EQ(TTrayIconHandler::Instance()->RefCount(), 1u);
    // Asked to close, the window stays.
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(TrayIconTest, StartUpMayKeepTheMainFormHidden) {
    tray->OnStartup = [](ui::TComponent&, bool& showMainForm) {
        EXPECT_TRUE(showMainForm);
        showMainForm = false;
    };
    tray->SetIconVisible(false);
    form->Show();
    tray->Loaded();
    EXPECT_FALSE(application.ShowMainForm);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(tray->adds, 0);
}

TEST_F(TrayIconTest, LoadingAddsAStoredVisibleIcon) {
    tray->SetIconVisible(true);
    tray->Loaded();
    EXPECT_EQ(tray->adds, 2);
    EXPECT_TRUE(application.ShowMainForm);
}

// The shell hears of the icon only while it is in the tray: an icon that
// never shows makes no call at all, one that is hidden twice is removed once.
TEST_F(TrayIconTest, TheShellHearsOnlyOfAnIconInTheTray) {
    ShellTrayStandIn shell;
    ASSERT_TRUE(shell.First());
    tray->SetHint("hidden");
    tray->Loaded();
    tray->SetIconVisible(false);
    EXPECT_EQ(shell.Calls(), ShellCalls{});

    tray->SetIconVisible(true);
    tray->SetHint("shown");
    tray->Loaded();
    EXPECT_EQ(shell.Calls(),
              (ShellCalls{NIM_ADD, NIM_MODIFY, NIM_MODIFY, NIM_ADD, NIM_SETVERSION}));

    tray->SetIconVisible(false);
    tray->SetIconVisible(false);
    tray->SetHint("hidden again");
    EXPECT_EQ(shell.Calls(), ShellCalls{NIM_DELETE});

    tray->SetIconVisible(true);
    tray.reset();
    EXPECT_EQ(shell.Calls(), (ShellCalls{NIM_ADD, NIM_DELETE}));
    auto unseen = std::make_unique<TTrayIcon>(*form);
    unseen.reset();
    EXPECT_EQ(shell.Calls(), ShellCalls{});
}
