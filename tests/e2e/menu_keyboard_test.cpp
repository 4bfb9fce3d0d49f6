// The skinned menu bar of the real program driven with real keys and the
// pointer: F10 opens "功能", the arrow keys walk along the bar and wrap
// around, and the pointer sliding along the bar while a menu is open opens
// the menu under it.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "lexora_app.h"
#include "probe_client.h"
#include "real_input.h"
#include "skinned_frame.h"

namespace {

const wchar_t* const kMainCaption = L"Lexora电子版 2007";

class SkinnedMenuBar : public ::testing::Test {
  protected:
    void SetUp() override {
        MoveTo({1, 1});
        app.Start();
        main = app.WaitForWindow(L"TForm1", kMainCaption);
        ASSERT_NE(main, nullptr);
        probe = std::make_unique<Probe>(main);
        for (const MenuEntry& e : probe->MenuItems(MenuBar(main)))
            dropDowns.push_back(e.subMenu);
        ASSERT_EQ(dropDowns.size(), 4u);
    }

    // The drop-down menu open now, once its window shows; none when no menu
    // opens within the time.
    HMENU OpenMenu(HMENU other = nullptr) {
        HMENU open = nullptr;
        WaitUntil(
            [&] {
                HWND menuWindow = FindWindowW(L"#32768", nullptr);
                if (!menuWindow || !IsWindowVisible(menuWindow))
                    return false;
                open = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
                return open && open != other;
            },
            3000);
        // As a user would, look at the menu before pressing the next key.
        Sleep(150);
        return open;
    }

    // Which of the bar's menus `menu` is; -1 for none.
    int IndexOf(HMENU menu) const {
        for (size_t i = 0; i < dropDowns.size(); ++i) {
            if (dropDowns[i] == menu)
                return static_cast<int>(i);
        }
        return -1;
    }

    LexoraApp app{Database::Fixture};
    HWND main = nullptr;
    std::unique_ptr<Probe> probe;
    std::vector<HMENU> dropDowns;
};

TEST_F(SkinnedMenuBar, F10OpensTheFirstMenuAndTheArrowsWalkAlongTheBarWrappingAround) {
    SetForegroundWindow(main);
    ASSERT_TRUE(PressKeys(L"F10"));
    HMENU open = OpenMenu();
    EXPECT_EQ(IndexOf(open), 0) << "功能";
    // Right from "功能" to "设置", "换肤", "帮助", then around to "功能"; left
    // from there back to "帮助".
    for (const int expected : {1, 2, 3, 0}) {
        ASSERT_TRUE(PressKeys(L"Right"));
        open = OpenMenu(open);
        EXPECT_EQ(IndexOf(open), expected);
    }
    ASSERT_TRUE(PressKeys(L"Left"));
    open = OpenMenu(open);
    EXPECT_EQ(IndexOf(open), 3);
    ASSERT_TRUE(PressKeys(L"Escape"));
    EXPECT_TRUE(WaitUntil([] { return FindWindowW(L"#32768", nullptr) == nullptr; }, 3000));
}

TEST_F(SkinnedMenuBar, ThePointerSlidingAlongTheBarOpensTheMenuUnderIt) {
    RECT r;
    GetWindowRect(main, &r);
    FrameShape shape;
    shape.kind = skin::FrameKind::Fixed;
    shape.maximiseBox = shape.minimiseBox = true;
    shape.menuBar = {"功能", "设置", "换肤", "帮助"};
    shape.caption = "Lexora电子版 2007";
    FrameLayout layout;
    ComposeFrame(LoadProgramSkin(0), shape, {r.right - r.left, r.bottom - r.top}, true, &layout);
    const auto at = [&](int button) {
        const skin::Rect& place = layout.menuBarButtons.at(button);
        return POINT{r.left + (place.left + place.right) / 2,
                     r.top + (place.top + place.bottom) / 2};
    };
    ASSERT_TRUE(ClickAt(at(0)));
    HMENU open = OpenMenu();
    EXPECT_EQ(IndexOf(open), 0);
    ASSERT_TRUE(MoveTo(at(2)));
    open = OpenMenu(open);
    EXPECT_EQ(IndexOf(open), 2) << "换肤";
    ASSERT_TRUE(PressKeys(L"Escape"));
}

}  // namespace
