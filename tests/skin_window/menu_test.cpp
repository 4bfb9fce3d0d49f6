// The skinned menus of a real window under Wine, against the portable
// composition: the menu bar's band for the program's five skins, and an open
// drop-down menu (its items' sizes, each kind of item's pixels, the menu
// window's border), read from the screen while the menu is open.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

#include "skin/frame_metrics.h"
#include "skin/menu_bar_band.h"
#include "skin/menu_item_look.h"
#include "skin/menu_item_measure.h"
#include "skin/window/dib.h"
#include "skin/window/gdi_text_painter.h"
#include "skin/window/window_icon.h"
#include "skin/window_frame.h"
#include "skin_window_fixture.h"
#include "ui/window_subclass.h"

namespace skinwindow {
namespace {

using pixels::Bitmap;
using skin::Rect;

constexpr UINT kOpenButtonMenu = 0x3518;
constexpr UINT kFirstCommand = 100;

std::string SkinArchive(int index) {
    return std::string(LEXORA_SKINS) + "/SkinItem" + std::to_string(index) + ".lzh";
}

// The drop-down's items: the first is selected as the menu opens; then a
// checked one with a shortcut, a disabled one, a separator and a last one.
struct ItemRow {
    const wchar_t* text;
    UINT flags;
};
constexpr ItemRow kItems[] = {
    {L"查询(&Q)", MF_STRING},
    {L"选中\tCtrl+K", MF_STRING | MF_CHECKED},
    {L"停用", MF_STRING | MF_GRAYED},
    {nullptr, MF_SEPARATOR},
    {L"末项", MF_STRING},
};
const char* const kItemTexts[] = {"查询(&Q)", "选中\tCtrl+K", "停用", "-", "末项"};

// A window menu like the program's: four drop-downs.
HMENU MakeMenuBar(HMENU& firstDropDown) {
    HMENU bar = CreateMenu();
    const wchar_t* captions[] = {L"功能", L"设置", L"换肤", L"帮助"};
    for (int i = 0; i < 4; ++i) {
        HMENU dropDown = CreatePopupMenu();
        if (i == 0) {
            UINT command = kFirstCommand;
            for (const ItemRow& row : kItems)
                AppendMenuW(dropDown, row.flags, command++, row.text);
            firstDropDown = dropDown;
        } else {
            AppendMenuW(dropDown, MF_STRING, kFirstCommand + 10 * i, L"一项");
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), captions[i]);
    }
    return bar;
}

// What a timer saw while the drop-down menu was open.
struct OpenMenuSight {
    HWND menuWindow = nullptr;
    int ticks = 0;
    Bitmap shown;  // the menu window from the screen
    RECT windowRect{};
    // Where the client area starts in the window.
    skin::Point clientOrigin;
    // Each item's place as last drawn, in the menu window's client area.
    std::vector<RECT> items;
};
OpenMenuSight* g_sight = nullptr;

void CALLBACK LookAtOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    OpenMenuSight& sight = *g_sight;
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow))
        return;
    // Wine copies a window's pixels to the screen a little later.
    if (++sight.ticks < 4)
        return;
    sight.menuWindow = menuWindow;
    GetWindowRect(menuWindow, &sight.windowRect);
    const RECT& r = sight.windowRect;
    sight.shown = skin::window::ScreenPicture({r.left, r.top, r.right, r.bottom});
    POINT origin{0, 0};
    ClientToScreen(menuWindow, &origin);
    sight.clientOrigin = {origin.x - r.left, origin.y - r.top};
    EndMenu();
}

class MenuPixels : public SkinWindowTest {
  protected:
    MenuPixels() { AddSkinData(); }

    void UseSkin(int index) {
        main->SetSkinFile(SkinArchive(index));
        ASSERT_FALSE(main->NotLoaded()) << SkinArchive(index);
        Manager().RunPendingCommand();
    }

    skin::MenuItemSources Sources(const Bitmap* background, skin::Point clientOrigin) {
        skin::MenuItemSources sources{*skin_,
                                      look,
                                      {Manager().MenuFont(), Manager().MenuBoldFont()},
                                      nullptr,
                                      &Manager().CheckMark()};
        sources.Background = background;
        sources.ClientOrigin = clientOrigin;
        return sources;
    }

    // Opens the window's first drop-down the way the program's other parts
    // ask for it, and looks at it while it is open.
    OpenMenuSight OpenFirstMenu(const TestWindow& w) {
        OpenMenuSight sight;
        g_sight = &sight;
        sight.items.resize(std::size(kItems));
        // In front of the frame: the places the items are drawn at.
        ui::WindowSubclass drawn(w.Handle(), [&sight](ui::TMessage& m,
                                                      const ui::NextHandler& next) {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
            if (m.Msg == WM_DRAWITEM && draw->CtlType == ODT_MENU &&
                draw->itemID >= kFirstCommand && draw->itemID < kFirstCommand + std::size(kItems))
                sight.items[draw->itemID - kFirstCommand] = draw->rcItem;
            next(m);
        });
        const UINT_PTR timer = SetTimer(nullptr, 0, 40, LookAtOpenMenu);
        const skin::FrameMetrics& m = FrameOf(w)->Metrics();
        const RECT r = w.WindowRect();
        const Rect band = m.MenuBand({r.right - r.left, r.bottom - r.top});
        SendMessageW(w.Handle(), kOpenButtonMenu, 0,
                     MAKELPARAM(r.left + band.left + 8, r.top + band.top + 3));
        KillTimer(nullptr, timer);
        g_sight = nullptr;
        return sight;
    }

    skin::SkinSnapshot skin_;
};

// The band of a shown window with the program's menu bar, on the screen and
// as composed; the buttons as the composition laid them out.
struct BandSight {
    int differences = -1;
    std::vector<skin::TMenuBarButton> buttons;
};

class MenuBands : public MenuPixels {
  protected:
    BandSight LookAtBand(int skinIndex, bool rightToLeft) {
        UseSkin(skinIndex);
        HMENU dropDown = nullptr;
        TestWindow w(Kind::Sizeable, L"SkinTestWindow", 60, 60);
        if (rightToLeft) {
            SetWindowLongW(w.Handle(), GWL_EXSTYLE,
                           GetWindowLongW(w.Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
        }
        SetMenu(w.Handle(), MakeMenuBar(dropDown));
        w.Show();
        BandSight sight;
        if (!FrameOf(w))
            return sight;
        PumpMessages(120);

        const skin::SkinSnapshot skin = main->Skin();
        const SIZE size = w.WindowSize();
        const skin::FrameMetrics& m = FrameOf(w)->Metrics();
        if (m.MenuBarHeight <= 0)
            return sight;
        const Rect band = m.MenuBand({size.cx, size.cy});
        sight.buttons.resize(4);
        const char* captions[] = {"功能", "设置", "换肤", "帮助"};
        for (int i = 0; i < 4; ++i)
            sight.buttons[i].Caption = captions[i];
        Bitmap expected(size.cx, size.cy);
        skin::PaintMenuBand(expected, {band, true, rightToLeft}, *skin, sight.buttons, {},
                            Manager().MenuFont(), look);
        const RECT r = w.WindowRect();
        const Bitmap shown = skin::window::ScreenPicture({r.left, r.top, r.right, r.bottom});
        sight.differences = 0;
        for (int y = band.top; y < band.bottom; ++y) {
            for (int x = band.left; x < band.right; ++x)
                sight.differences += shown.At(x, y) != expected.At(x, y);
        }
        return sight;
    }
};

TEST_F(MenuBands, EachSkinsMenuBandIsItsComposition) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE(testing::Message() << "skin " << index);
        const BandSight sight = LookAtBand(index, false);
        ASSERT_EQ(sight.buttons.size(), 4u) << "a skinned frame with a menu band";
        EXPECT_EQ(sight.differences, 0);
        EXPECT_GT(sight.buttons[3].Place.left, sight.buttons[0].Place.right)
            << "the buttons were laid out";
    }
}

// A right-to-left window's band starts at its right end.
TEST_F(MenuBands, ARightToLeftWindowsBandIsTheMirroredComposition) {
    const BandSight sight = LookAtBand(0, true);
    ASSERT_EQ(sight.buttons.size(), 4u) << "a skinned frame with a menu band";
    EXPECT_EQ(sight.differences, 0);
    EXPECT_LT(sight.buttons[3].Place.right, sight.buttons[0].Place.left)
        << "the first button stands rightmost";
}

// One open drop-down per skin: its items are as high as the composition
// measures them, each is drawn as the composition draws it (selected,
// checked with a shortcut, disabled, separator, normal), and the window's
// border is MenuBackground's where the skin has the picture.
TEST_F(MenuPixels, AnOpenDropDownIsItsComposition) {
    int withBackground = 0;
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE(testing::Message() << "skin " << index);
        UseSkin(index);
        skin_ = main->Skin();
        HMENU dropDown = nullptr;
        TestWindow w(Kind::Sizeable, L"SkinTestWindow", 60, 60);
        SetMenu(w.Handle(), MakeMenuBar(dropDown));
        w.Show();
        ASSERT_NE(FrameOf(w), nullptr);
        PumpMessages(60);

        const OpenMenuSight sight = OpenFirstMenu(w);
        ASSERT_NE(sight.menuWindow, nullptr) << "the menu opened";
        ASSERT_EQ(sight.items.size(), std::size(kItems));
        const RECT& wr = sight.windowRect;
        const skin::Size windowSize{wr.right - wr.left, wr.bottom - wr.top};
        const bool picture = skin_->MenuBackground && !skin_->MenuBackground->Image.Empty();
        const Bitmap background = skin::PaintMenuBackground(windowSize, *skin_, look);
        const skin::MenuMetrics metrics{GetSystemMetrics(SM_CYMENU),
                                        GetSystemMetrics(SM_CXMENUCHECK)};

        int widest = 0;
        for (size_t i = 0; i < sight.items.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "item " << i);
            skin::MenuItemFacts item;
            item.Text = skin::SplitMenuText(kItemTexts[i]);
            const skin::Size measured = skin::MeasureMenuItem(item, skin::MeasureRule::MainMenuItem,
                                                              Sources(nullptr, {}), metrics);
            const RECT& r = sight.items[i];
            ASSERT_GT(r.bottom, r.top) << "the item was drawn";
            EXPECT_EQ(r.bottom - r.top, measured.height);
            widest = std::max(widest, measured.width);

            // The item as it should show, at its place in the window.
            item.Selected = i == 0;
            item.Checked = (kItems[i].flags & MF_CHECKED) != 0;
            item.Enabled = !(kItems[i].flags & MF_GRAYED);
            const skin::Point origin = sight.clientOrigin;
            const Rect place{r.left, r.top, r.right, r.bottom};
            const Rect inWindow{r.left + origin.x, r.top + origin.y, r.right + origin.x,
                                r.bottom + origin.y};
            const Bitmap expected = skin::ComposeMenuItem(
                place, item, Sources(picture ? &background : nullptr, origin));
            int differences = 0;
            std::string first;
            for (int y = 0; y < expected.Height(); ++y) {
                for (int x = 0; x < expected.Width(); ++x) {
                    if (sight.shown.At(inWindow.left + x, inWindow.top + y) == expected.At(x, y))
                        continue;
                    if (!differences++)
                        first = std::to_string(x) + "," + std::to_string(y);
                }
            }
            EXPECT_EQ(differences, 0) << "first at " << first;
        }
        const RECT& first = sight.items[0];
        EXPECT_GE(first.right - first.left, widest) << "no item is cut short";

        if (picture) {
            ++withBackground;
            int differences = 0;
            for (int y = 0; y < windowSize.height; ++y) {
                for (int x = 0; x < windowSize.width; ++x) {
                    const bool border = x < skin::kMenuBorder || y < skin::kMenuBorder ||
                                        x >= windowSize.width - skin::kMenuBorder ||
                                        y >= windowSize.height - skin::kMenuBorder;
                    differences += border && sight.shown.At(x, y) != background.At(x, y);
                }
            }
            EXPECT_EQ(differences, 0) << "the border is MenuBackground's";
        }
    }
    EXPECT_GT(withBackground, 0) << "a skin of the program has a menu picture";
}

// Real input through the X server (xdotool, as the user's keyboard and
// mouse), while the test goes on pumping the window's messages until
// `done` holds or the time is up.
bool RealInputUntil(std::wstring arguments, const std::function<bool()>& done) {
    std::wstring commandLine = L"Z:\\usr\\bin\\xdotool " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi)) {
        return false;
    }
    CloseHandle(pi.hThread);
    const ULONGLONG due = GetTickCount64() + 5000;
    while (!done() && GetTickCount64() < due)
        PumpMessages(20);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
    return done();
}

HMENU g_openedMenu = nullptr;

// Notes the menu that opened and closes it.
void CALLBACK NoteOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow))
        return;
    g_openedMenu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    EndMenu();
}

bool Logged(const TestWindow& w, const std::string& line) {
    return std::find(w.log.begin(), w.log.end(), line) != w.log.end();
}

// The program's captions carry no accelerators and each of its bar items
// has a drop-down, so a window of the test's own has both.
TEST_F(MenuPixels, AltAndALetterOpensItsMenuAndABarItemWithoutADropDownRunsItsCommand) {
    UseSkin(0);
    TestWindow w(Kind::Sizeable, L"SkinTestWindow", 60, 60);
    HMENU bar = CreateMenu();
    HMENU dropDown = CreatePopupMenu();
    AppendMenuW(dropDown, MF_STRING, 300, L"一项");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), L"功能(&G)");
    AppendMenuW(bar, MF_STRING, 301, L"命令(&C)");
    SetMenu(w.Handle(), bar);
    w.Show();
    ASSERT_NE(FrameOf(w), nullptr);
    PumpMessages(60);

    g_openedMenu = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, NoteOpenMenu);
    EXPECT_TRUE(RealInputUntil(L"key alt+g", [] { return g_openedMenu != nullptr; }));
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_openedMenu, dropDown);
    // Nothing was chosen, and the drop-down's own number (its handle) is no
    // command either.
    PumpMessages(60);
    EXPECT_TRUE(std::none_of(w.log.begin(), w.log.end(), [](const std::string& line) {
        return line.starts_with("command");
    })) << "only opened";

    EXPECT_TRUE(RealInputUntil(L"key alt+c", [&] { return Logged(w, "command 301"); }));
    w.log.clear();

    // The same item clicked on the band.
    const SIZE size = w.WindowSize();
    const Rect band = FrameOf(w)->Metrics().MenuBand({size.cx, size.cy});
    std::vector<skin::TMenuBarButton> buttons(2);
    buttons[0].Caption = "功能(&G)";
    buttons[1].Caption = "命令(&C)";
    Bitmap scratch(size.cx, size.cy);
    skin::PaintMenuBand(scratch, {band, true, false}, *main->Skin(), buttons, {},
                        Manager().MenuFont(), look);
    const RECT r = w.WindowRect();
    const Rect& place = buttons[1].Place;
    const std::wstring at = std::to_wstring(r.left + (place.left + place.right) / 2) + L" " +
                            std::to_wstring(r.top + (place.top + place.bottom) / 2);
    EXPECT_TRUE(
        RealInputUntil(L"mousemove " + at + L" click 1", [&] { return Logged(w, "command 301"); }));
    EXPECT_EQ(FindWindowW(L"#32768", nullptr), nullptr) << "no menu opened";
}

}  // namespace
}  // namespace skinwindow
