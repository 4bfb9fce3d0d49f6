// The decisions of the skinned menus over plain facts: item sizes,
// separators, the band's layout, accelerators, the owner-drawn items' way
// and the switching from menu to menu while one is open.
#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fixed_look.h"
#include "skin/key_menu.h"
#include "skin/menu_bar_band.h"
#include "skin/menu_item_measure.h"
#include "skin/menu_owner_draw.h"
#include "skin/menu_separators.h"
#include "skin/menu_tracking.h"
#include "skin/system_numbers.h"
#include "test_skins.h"

using pixels::Bitmap;
using skin::MeasureRule;
using skin::MenuLoopAnswer;
using skin::MenuLoopFacts;
using skin::MenuLoopMessage;
using skin::Point;
using skin::Rect;
using skin::Size;
using skin::SkinDefinition;
using skin::TMenuBarButton;
using skintest::RecordingText;

namespace {

const skintest::FixedLook kLook;

std::unique_ptr<skin::TSkinObject> Picture(int leftWidth, int rightWidth) {
    auto o = std::make_unique<skin::TSkinObject>();
    o->Image = skintest::States(9, 2, 30, 20);
    o->Frame = 2;
    o->LeftWidth = leftWidth;
    o->RightWidth = rightWidth;
    return o;
}

std::vector<TMenuBarButton> Bar(std::vector<const char*> captions) {
    std::vector<TMenuBarButton> buttons;
    for (const char* caption : captions) {
        TMenuBarButton b;
        b.Caption = caption;
        buttons.push_back(b);
    }
    return buttons;
}

uint32_t Key(skin::VirtualKey key) {
    return static_cast<uint32_t>(key);
}

}  // namespace

TEST(MenuRules, SplitsTheSystemsTextAtTheTab) {
    EXPECT_EQ(skin::SplitMenuText("关闭(&C)\tAlt+F4"), (skin::MenuItemText{"关闭(&C)", "Alt+F4"}));
    EXPECT_EQ(skin::SplitMenuText("a\tb\tc"), (skin::MenuItemText{"a", "b\tc"}));
    EXPECT_EQ(skin::SplitMenuText("打开界面"), (skin::MenuItemText{"打开界面", ""}));
    EXPECT_TRUE(skin::SplitMenuText("").IsSeparator());
}

TEST(MenuRules, MeasuresItemsWithTheRoomEachMenuAdds) {
    // Captions 6 pixels a byte, 8 in bold, 12 high; a menu line 19 high, a
    // check mark 13 wide.
    const skin::MenuMetrics metrics{19, 13};
    SkinDefinition withPicture;
    withPicture.MenuItem = Picture(3, 3);
    SkinDefinition plain;
    SkinDefinition emptyPicture;
    emptyPicture.MenuItem = std::make_unique<skin::TSkinObject>();
    emptyPicture.MenuItem->LeftWidth = 3;
    const skin::MenuImages images{{20, 20}, {}, false};

    struct Row {
        const char* caption;
        const char* shortcut;
        bool isDefault;
        MeasureRule rule;
        const SkinDefinition& skin;
        const skin::MenuImages* images;
        Size size;
    };
    const Row rows[] = {
        // Pop-up items: + LeftWidth + 12, + 23 without an image list.
        {"Open", "", false, MeasureRule::PopupItem, withPicture, nullptr, {24 + 3 + 35, 19}},
        {"Open",
         "Ctrl+O",
         false,
         MeasureRule::PopupItem,
         withPicture,
         nullptr,
         {24 + 13 + 36 + 3 + 35, 19}},
        {"Open", "", true, MeasureRule::PopupItem, withPicture, nullptr, {32 + 3 + 35, 19}},
        {"Open", "", false, MeasureRule::PopupItem, plain, nullptr, {24 + 35, 19}},
        {"Open", "", false, MeasureRule::PopupItem, emptyPicture, nullptr, {24 + 35, 19}},
        {"Open", "", false, MeasureRule::PopupItem, withPicture, &images, {24 + 20 + 3 + 12, 22}},
        {"", "", false, MeasureRule::PopupItem, withPicture, nullptr, {6 + 38, 19}},
        {"&", "", false, MeasureRule::PopupItem, withPicture, nullptr, {6 + 38, 19}},
        {"-", "", false, MeasureRule::PopupItem, withPicture, nullptr, {38, 9}},
        // Items of the bar's drop-downs: + LeftWidth + 10, + 25 without.
        {"Open", "", false, MeasureRule::MainMenuItem, withPicture, nullptr, {24 + 3 + 35, 19}},
        {"Open",
         "",
         false,
         MeasureRule::MainMenuItem,
         withPicture,
         &images,
         {24 + 20 + 3 + 10, 22}},
        {"-", "", false, MeasureRule::MainMenuItem, plain, &images, {10, 9}},
        // The system's items: their texts + 26 + LeftWidth; 4 higher than
        // the text, a separator 8.
        {"Close",
         "Alt+F4",
         false,
         MeasureRule::SystemItem,
         withPicture,
         nullptr,
         {30 + 13 + 36 + 26 + 3, 16}},
        {"Close", "", false, MeasureRule::SystemItem, plain, &images, {30 + 26, 16}},
        {"-", "", false, MeasureRule::SystemItem, withPicture, nullptr, {29, 8}},
    };
    RecordingText font, bold(8);
    for (const Row& row : rows) {
        const skin::MenuItemSources sources{
            .Skin = row.skin, .Look = kLook, .Fonts = {font, bold}, .Images = row.images};
        skin::MenuItemFacts item;
        item.Text = {row.caption, row.shortcut};
        item.Default = row.isDefault;
        EXPECT_EQ(skin::MeasureMenuItem(item, row.rule, sources, metrics), row.size)
            << row.caption << " " << static_cast<int>(row.rule);
    }
}

TEST(MenuRules, HidesLeadingTrailingAndDoubledSeparators) {
    // 'a' a visible item, 'h' a hidden one, '-' a separator, '_' a separator
    // hidden before; the answer is one '1' per visible entry.
    struct Row {
        const char* entries;
        const char* visible;
    };
    const Row rows[] = {
        {"a-a", "111"},         {"-a-", "010"},       {"a--a", "1101"}, {"a-h-a", "11001"},
        {"h-a", "001"},         {"a-h", "100"},       {"--", "00"},     {"", ""},
        {"a-a-a", "11111"},     {"a---a-", "110010"}, {"a_a", "111"},   {"a_-a", "1101"},
        {"-h-a-h-", "0001000"}, {"ahha", "1001"},
    };
    for (const Row& row : rows) {
        std::vector<skin::MenuEntry> entries;
        for (const char* c = row.entries; *c; ++c)
            entries.push_back({*c == '-' || *c == '_', *c == 'a' || *c == '-'});
        std::string visible;
        for (bool v : skin::SeparatorVisibility(entries))
            visible += v ? '1' : '0';
        EXPECT_EQ(visible, row.visible) << row.entries;
    }
}

TEST(MenuRules, LaysTheBandsButtonsOutBothWays) {
    SkinDefinition pictured;
    pictured.MenuBar = Picture(3, 5);
    SkinDefinition plain;
    struct Row {
        const SkinDefinition& skin;
        skin::MenuBand band;
        int start;
    };
    const Row starts[] = {
        {pictured, {{4, 24, 296, 44}, true, false}, 3 + 4},
        {pictured, {{4, 24, 296, 44}, true, true}, 5 + 8},
        {pictured, {{4, 24, 10, 44}, true, false}, 12},  // narrower than the start
        {pictured, {{4, 24, 16, 44}, true, true}, 12},
        {plain, {{4, 24, 296, 44}, true, false}, 6},
        {plain, {{4, 24, 296, 44}, true, true}, 6},
    };
    for (const Row& row : starts)
        EXPECT_EQ(skin::MenuBandStart(row.band, row.skin), row.start) << row.band.Place.right;

    std::vector<TMenuBarButton> buttons = Bar({"File", "Edit", "Hidden", "", "Help"});
    buttons[2].Visible = false;
    RecordingText font;
    skin::LayOutMenuBar(buttons, {{4, 24, 296, 44}, true, false}, 7, font);
    EXPECT_EQ(buttons[0].Place, (Rect{11, 24, 45, 43}));
    EXPECT_EQ(buttons[1].Place, (Rect{45, 24, 79, 43}));
    EXPECT_TRUE(buttons[2].Place.Empty());
    EXPECT_EQ(buttons[3].Place, (Rect{79, 24, 79, 43}));
    EXPECT_EQ(buttons[4].Place, (Rect{79, 24, 113, 43}));

    skin::LayOutMenuBar(buttons, {{4, 24, 296, 44}, true, true}, 13, font);
    EXPECT_EQ(buttons[0].Place, (Rect{249, 24, 283, 43}));
    EXPECT_EQ(buttons[1].Place, (Rect{215, 24, 249, 43}));
    EXPECT_TRUE(buttons[2].Place.Empty());
    EXPECT_EQ(buttons[4].Place, (Rect{181, 24, 215, 43}));
}

TEST(MenuRules, FindsButtonsAndItemsByTheirAccelerators) {
    std::vector<TMenuBarButton> bar = Bar({"功能(&F)", "&Go", "&Edit", "A&&B", "汉(&字)"});
    bar[1].Visible = false;
    struct Row {
        char32_t key;
        std::optional<size_t> button;
    };
    const Row rows[] = {{U'f', 0},  {U'E', 2},           {U'g', std::nullopt}, {U'b', std::nullopt},
                        {U'字', 4}, {U'x', std::nullopt}};
    for (const Row& row : rows)
        EXPECT_EQ(skin::FindAcceleratorButton(bar, row.key), row.button)
            << static_cast<uint32_t>(row.key);

    // F10 or Alt alone opens the first button on the bar.
    std::vector<TMenuBarButton> hiddenFirst = Bar({"&File", "", "&Edit"});
    hiddenFirst[0].Visible = false;
    EXPECT_EQ(skin::DecideKeyMenu(0, false, hiddenFirst),
              (skin::KeyMenuAnswer{skin::KeyMenuEffect::OpenMenuBarButton, 2}));
    EXPECT_EQ(skin::DecideKeyMenu('f', false, hiddenFirst).Effect, skin::KeyMenuEffect::PassOn);

    // WM_MENUCHAR in an owner-drawn drop-down.
    const std::vector<std::string> items = {"&Open", "-", "&Save", "Save &As", "&Print", "&Play"};
    using skin::MenuCharEffect;
    struct CharRow {
        char32_t key;
        std::optional<size_t> selected;
        skin::MenuCharAnswer answer;
    };
    const CharRow chars[] = {
        {U'o', std::nullopt, {MenuCharEffect::Execute, 0}},
        {U'A', 0, {MenuCharEffect::Execute, 3}},
        {U'x', std::nullopt, {MenuCharEffect::Ignore, 0}},
        {U'-', std::nullopt, {MenuCharEffect::Ignore, 0}},
        // Two items share P: each press selects the next, round the menu.
        {U'p', std::nullopt, {MenuCharEffect::Select, 4}},
        {U'p', 4, {MenuCharEffect::Select, 5}},
        {U'p', 5, {MenuCharEffect::Select, 4}},
        {U'p', 2, {MenuCharEffect::Select, 4}},
    };
    for (const CharRow& row : chars) {
        EXPECT_EQ(skin::DecideMenuChar(items, row.key, row.selected), row.answer)
            << static_cast<uint32_t>(row.key) << " " << row.selected.value_or(99);
    }
}

TEST(MenuRules, RoutesOwnerDrawnItemsAndChoosesTheMenusToDraw) {
    using skin::MenuItemRoute;
    struct Row {
        bool hadMenu;
        bool found;
        uint32_t command;
        MenuItemRoute route;
    };
    const Row rows[] = {
        {false, true, 5, MenuItemRoute::NotOurs},
        {true, true, 5, MenuItemRoute::FormItem},
        {true, true, 0xF060, MenuItemRoute::FormItem},
        {true, false, 1, MenuItemRoute::PreviousProcedure},
        {true, false, 4095, MenuItemRoute::PreviousProcedure},
        {true, false, 4096, MenuItemRoute::SystemItem},
        {true, false, 0xF060, MenuItemRoute::SystemItem},
        {true, false, 0, MenuItemRoute::SystemItem},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(skin::RouteMenuItem(row.hadMenu, row.found, row.command), row.route)
            << row.hadMenu << row.found << " " << row.command;
    }

    const skin::TSkinControls all = skin::TSkinControls::All();
    EXPECT_TRUE(skin::SkinsPopupMenu(all, 0, -1));
    EXPECT_FALSE(skin::SkinsPopupMenu(all, 7, 7));
    EXPECT_FALSE(skin::SkinsPopupMenu(all.Without(skin::TSkinControlType::xcPopupMenu), 0, -1));
}

namespace {

// The four menus of the bar, 30 pixels wide each from x = 10.
std::vector<TMenuBarButton> LaidOutBar() {
    std::vector<TMenuBarButton> bar = Bar({"功能", "设置", "换肤", "帮助"});
    for (size_t i = 0; i < bar.size(); ++i) {
        const int left = 10 + 30 * static_cast<int>(i);
        bar[i].Place = {left, 24, left + 30, 43};
    }
    return bar;
}

MenuLoopFacts KeyDown(skin::VirtualKey key) {
    MenuLoopFacts m;
    m.Kind = MenuLoopMessage::KeyDown;
    m.Key = Key(key);
    return m;
}

MenuLoopFacts Selected(bool inDropDown, bool opensSubMenu) {
    MenuLoopFacts m;
    m.Kind = MenuLoopMessage::MenuSelect;
    m.InDropDown = inDropDown;
    m.OpensSubMenu = opensSubMenu;
    return m;
}

MenuLoopFacts MenuClosed() {
    MenuLoopFacts m;
    m.Kind = MenuLoopMessage::MenuSelect;
    m.Closed = true;
    return m;
}

MenuLoopFacts MouseAt(Point p) {
    MenuLoopFacts m;
    m.Kind = MenuLoopMessage::MouseMove;
    m.Pointer = p;
    return m;
}

// A tracking that has seen its first message already.
skin::MenuBarTracking OpenedAt(size_t button, std::span<const TMenuBarButton> bar) {
    skin::MenuBarTracking t;
    t.Open(button, {0, 0});
    t.Filter({}, bar);
    return t;
}

}  // namespace

TEST(MenuRules, ArrowKeysMoveFromMenuToMenuRoundTheBar) {
    using skin::VirtualKey;
    const std::vector<TMenuBarButton> bar = LaidOutBar();
    std::vector<TMenuBarButton> gap = LaidOutBar();
    gap[2].Visible = false;
    gap[2].Place = {};
    struct Row {
        size_t open;
        std::optional<MenuLoopFacts> selection;
        VirtualKey key;
        const std::vector<TMenuBarButton>& buttons;
        std::optional<size_t> switchTo;
    };
    const Row rows[] = {
        {0, std::nullopt, VirtualKey::Right, bar, 1},
        {3, std::nullopt, VirtualKey::Right, bar, 0},  // from the last to the first
        {0, std::nullopt, VirtualKey::Left, bar, 3},   // from the first to the last
        {2, std::nullopt, VirtualKey::Left, bar, 1},
        // Right opens the selected item's sub-menu, if it has one.
        {1, Selected(true, true), VirtualKey::Right, bar, std::nullopt},
        {1, Selected(true, false), VirtualKey::Right, bar, 2},
        {1, Selected(false, false), VirtualKey::Right, bar, 2},
        // Left closes a sub-menu before it leaves the drop-down.
        {1, Selected(false, false), VirtualKey::Left, bar, std::nullopt},
        {1, Selected(true, true), VirtualKey::Left, bar, 0},
        // Buttons not on the bar are passed over.
        {1, std::nullopt, VirtualKey::Right, gap, 3},
        {3, std::nullopt, VirtualKey::Left, gap, 1},
        {1, std::nullopt, VirtualKey::Down, bar, std::nullopt},
        {1, std::nullopt, VirtualKey::Escape, bar, std::nullopt},
    };
    for (const Row& row : rows) {
        skin::MenuBarTracking t = OpenedAt(row.open, row.buttons);
        if (row.selection)
            t.Filter(*row.selection, row.buttons);
        const MenuLoopAnswer answer = t.Filter(KeyDown(row.key), row.buttons);
        EXPECT_EQ(answer.SwitchTo, row.switchTo) << row.open << " " << Key(row.key);
        if (row.switchTo) {
            const Rect place = row.buttons[*row.switchTo].Place;
            EXPECT_EQ(answer.ClickAt, (Point{place.left + 1, place.top + 1}));
            EXPECT_TRUE(t.Switching());
        }
    }

    // Only one button on the bar: nowhere to go.
    std::vector<TMenuBarButton> alone = Bar({"功能"});
    alone[0].Place = {10, 24, 40, 43};
    skin::MenuBarTracking t = OpenedAt(0, alone);
    EXPECT_FALSE(t.Filter(KeyDown(VirtualKey::Right), alone).SwitchTo);

    // In a right-to-left menu the arrows change places.
    EXPECT_EQ(skin::MenuKeyFor(Key(VirtualKey::Left), true), Key(VirtualKey::Right));
    EXPECT_EQ(skin::MenuKeyFor(Key(VirtualKey::Right), true), Key(VirtualKey::Left));
    EXPECT_EQ(skin::MenuKeyFor(Key(VirtualKey::Left), false), Key(VirtualKey::Left));
    EXPECT_EQ(skin::MenuKeyFor(Key(VirtualKey::Down), true), Key(VirtualKey::Down));
}

TEST(MenuRules, ThePointerSlidingAlongTheBarSwitchesMenusOnce) {
    const std::vector<TMenuBarButton> bar = LaidOutBar();
    skin::MenuBarTracking t;
    EXPECT_FALSE(t.Filter(MouseAt({75, 30}), bar).SwitchTo);  // nothing open

    t.Open(1, {50, 30});
    EXPECT_FALSE(t.Filter(MouseAt({50, 30}), bar).SwitchTo);   // where it opened
    EXPECT_FALSE(t.Filter(MouseAt({55, 30}), bar).SwitchTo);   // still over the open one
    EXPECT_FALSE(t.Filter(MouseAt({55, 100}), bar).SwitchTo);  // over the drop-down
    const MenuLoopAnswer slide = t.Filter(MouseAt({75, 30}), bar);
    EXPECT_EQ(slide.SwitchTo, 2u);
    EXPECT_EQ(slide.ClickAt, (Point{71, 25}));
    EXPECT_FALSE(t.Filter(MouseAt({76, 31}), bar).SwitchTo);    // asked for already
    EXPECT_FALSE(t.Filter(MouseAt({76, 31}), bar).SwitchTo);    // not a new position
    EXPECT_EQ(t.Filter(MouseAt({105, 30}), bar).SwitchTo, 3u);  // on to the next

    // Closing for the switch keeps the frame's menu open; the next menu
    // starts afresh.
    EXPECT_FALSE(t.Filter(MenuClosed(), bar).ClearMenuOpen);
    t.Open(3, {105, 30});
    EXPECT_FALSE(t.Filter(MouseAt({105, 30}), bar).SwitchTo);
    EXPECT_EQ(t.OpenButton(), 3u);
    EXPECT_FALSE(t.Switching());
}

TEST(MenuRules, TheMenuOpenFlagGoesOffWhenTheMenuEndsForGood) {
    using skin::VirtualKey;
    const std::vector<TMenuBarButton> bar = LaidOutBar();
    skin::MenuBarTracking t = OpenedAt(0, bar);
    EXPECT_TRUE(t.Filter(MenuClosed(), bar).ClearMenuOpen);

    MenuLoopFacts alt;
    alt.Kind = MenuLoopMessage::SysKeyDown;
    alt.Key = Key(VirtualKey::Menu);
    EXPECT_TRUE(t.Filter(alt, bar).ClearMenuOpen);
    alt.Key = Key(VirtualKey::Left);
    EXPECT_FALSE(t.Filter(alt, bar).ClearMenuOpen);

    // A switch under way keeps it; Escape or Return ends the switch, and a
    // new selection shows the switch arrived.
    ASSERT_EQ(t.Filter(KeyDown(VirtualKey::Right), bar).SwitchTo, 1u);
    EXPECT_FALSE(t.Filter(MenuClosed(), bar).ClearMenuOpen);
    t.Filter(KeyDown(VirtualKey::Escape), bar);
    EXPECT_FALSE(t.Switching());
    EXPECT_TRUE(t.Filter(MenuClosed(), bar).ClearMenuOpen);

    ASSERT_EQ(t.Filter(KeyDown(VirtualKey::Left), bar).SwitchTo, 3u);
    t.Filter(Selected(true, false), bar);
    EXPECT_FALSE(t.Switching());

    t.Close();
    EXPECT_FALSE(t.OpenButton());
    EXPECT_EQ(t.Filter(KeyDown(VirtualKey::Right), bar), MenuLoopAnswer{});
}
