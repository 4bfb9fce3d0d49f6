// The skinned menus of the real program driven with real keys and the
// pointer: F10 opens "功能", the arrow keys walk along the bar and wrap
// around, the pointer sliding along the bar while a menu is open opens the
// menu under it, the keyboard alone chooses a skin, and the tray menu draws
// its default item in bold.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>

#include "lexora_app.h"
#include "probe_client.h"
#include "real_input.h"
#include "running_program.h"
#include "skinned_frame.h"

namespace {

const wchar_t* const kMainCaption = L"Lexora电子版 2007";

bool Highlighted(const std::vector<MenuEntry>& items) {
    return std::any_of(items.begin(), items.end(),
                       [](const MenuEntry& e) { return e.highlighted; });
}

class SkinnedMenuBar : public ::testing::Test {
  protected:
    void SetUp() override {
        MoveTo({1, 1});
        app.Start();
        main = app.WaitForWindow(L"TForm1", kMainCaption);
        ASSERT_NE(main, nullptr);
        // The window shows before its frame starts; keys typed in between
        // would reach the system's menu bar, not the band.
        ASSERT_TRUE(WaitUntil(
            [&] {
                return FrameDifferences(main, LoadProgramSkin(0), MainWindowShape(), true).empty();
            },
            5000));
        probe = std::make_unique<Probe>(main);
        for (const MenuEntry& e : probe->MenuItems(MenuBar(main)))
            dropDowns.push_back(e.subMenu);
        ASSERT_EQ(dropDowns.size(), 4u);
    }

    // Brings the main window to the front, with the pointer over its status
    // bar: keys typed before it is there would go to the window that was,
    // and the test display has no window manager, so its keyboard follows
    // the pointer (keys typed with the pointer over no window of the program
    // reach none).
    bool InFront() {
        RECT bar;
        if (!GetWindowRect(FindWindowExW(main, nullptr, L"TStatusBar", nullptr), &bar) ||
            !MoveTo({(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2})) {
            return false;
        }
        SetForegroundWindow(main);
        return WaitUntil([&] { return GetForegroundWindow() == main; });
    }

    // Whether the bar's menu `index` opens: its window shows with an item
    // selected (it opens with its first).
    bool MenuOpens(int index) {
        return WaitForOpenMenu(*probe, [&](HMENU menu, const std::vector<MenuEntry>& items) {
                   return menu == dropDowns.at(index) && Highlighted(items);
               }).menu != nullptr;
    }

    LexoraApp app{Database::Fixture};
    HWND main = nullptr;
    std::unique_ptr<Probe> probe;
    std::vector<HMENU> dropDowns;
};

// The keys go in two runs typed at once, as a user who knows the way types
// them: single presses sent one by one while a menu is open now and then
// never reach the program under Wine's virtual desktop (its menu loop sees
// no such key).
TEST_F(SkinnedMenuBar, F10OpensTheFirstMenuAndTheArrowsWalkAlongTheBarWrappingAround) {
    ASSERT_TRUE(InFront());
    // "功能", then right to "设置", "换肤" and "帮助".
    ASSERT_TRUE(PressKeys(L"F10 Right Right Right"));
    EXPECT_TRUE(MenuOpens(3)) << "帮助";
    // Right around to "功能" and on to "设置", back left to "功能", around
    // to "帮助" and on to "换肤". Without the wrap to the right the walk ends
    // on "功能", without the one to the left too.
    ASSERT_TRUE(PressKeys(L"Right Right Left Left Left"));
    EXPECT_TRUE(MenuOpens(2)) << "换肤";
    ASSERT_TRUE(PressKeys(L"Escape"));
    EXPECT_TRUE(WaitUntil([] { return FindWindowW(L"#32768", nullptr) == nullptr; }, 3000));
}

TEST_F(SkinnedMenuBar, ThePointerSlidingAlongTheBarOpensTheMenuUnderIt) {
    RECT r;
    GetWindowRect(main, &r);
    FrameLayout layout;
    ComposeFrame(LoadProgramSkin(0), MainWindowShape(), {r.right - r.left, r.bottom - r.top}, true,
                 &layout);
    const auto at = [&](int button) {
        const skin::Rect& place = layout.menuBarButtons.at(button);
        return POINT{r.left + (place.left + place.right) / 2,
                     r.top + (place.top + place.bottom) / 2};
    };
    ASSERT_TRUE(ClickAt(at(0)));
    EXPECT_TRUE(MenuOpens(0));
    ASSERT_TRUE(MoveTo(at(2)));
    EXPECT_TRUE(MenuOpens(2)) << "换肤";
    ASSERT_TRUE(PressKeys(L"Escape"));
}

// Typed at once, as a user who knows the way would: F10 opens "功能" with
// its first item selected, two steps right reach "换肤", two down its third
// item.
TEST_F(SkinnedMenuBar, TheKeyboardAloneChoosesTheAppleSkin) {
    ASSERT_TRUE(InFront());
    ASSERT_TRUE(PressKeys(L"F10 Right Right Down Down Return"));
    const skin::SkinSnapshot apple = LoadProgramSkin(2);
    EXPECT_TRUE(WaitUntil(
        [&] { return FrameDifferences(main, apple, MainWindowShape(), true).empty(); }, 5000))
        << "苹果";
    const std::vector<MenuEntry> skins = probe->MenuItems(dropDowns.at(2));
    ASSERT_EQ(skins.size(), 5u);
    EXPECT_EQ(skins[2].caption, L"苹果");
    EXPECT_TRUE(skins[2].checked);
    EXPECT_FALSE(skins[0].checked);
}

TEST_F(SkinnedMenuBar, TheTrayMenuDrawsItsDefaultItemInBoldInTheSkin) {
    HWND handler = ProcessWindow(app.ProcessId(), L"TTrayIconHandler");
    ASSERT_NE(handler, nullptr);
    // The shell's notification of a right button-down on the icon (id 1):
    // Wine shows no tray to click.
    PostMessageW(handler, 0x800, 1, WM_RBUTTONDOWN);
    const ShownMenu menu = WaitForOpenMenu(*probe, [](HMENU, const std::vector<MenuEntry>& items) {
        return items.size() == 3 && items[2].place.bottom > items[2].place.top;
    });
    ASSERT_NE(menu.menu, nullptr);
    ASSERT_EQ(menu.items[0].caption, L"打开界面");
    ASSERT_TRUE(menu.items[0].isDefault);
    const skin::SkinSnapshot skin = LoadProgramSkin(0);
    std::vector<std::string> differences;
    // Wine copies the drawn items to the screen a little later.
    EXPECT_TRUE(WaitUntil(
        [&] {
            differences = MenuItemDifferences(menu.window, menu.items[0].place, skin,
                                              {"打开界面", true, menu.items[0].highlighted});
            return differences.empty();
        },
        3000))
        << "first at " << differences.front();
    EXPECT_FALSE(MenuItemDifferences(menu.window, menu.items[0].place, skin,
                                     {"打开界面", false, menu.items[0].highlighted})
                     .empty())
        << "the bold font shows";
    EXPECT_TRUE(MenuItemDifferences(menu.window, menu.items[2].place, skin,
                                    {"退出", false, menu.items[2].highlighted})
                    .empty());
    PostMessageW(menu.window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([] { return FindWindowW(L"#32768", nullptr) == nullptr; }, 3000));
}

}  // namespace
