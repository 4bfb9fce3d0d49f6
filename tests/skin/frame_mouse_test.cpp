// The skinned frame and the mouse and keyboard: hit-testing, the element
// under the pointer, the tracking of caption buttons, their actions, double
// and right clicks, the system menu, and SC_KEYMENU.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/frame_mouse.h"
#include "skin/key_menu.h"
#include "skin/nc_hit_test.h"
#include "test_skins.h"

using skin::FrameAnswer;
using skin::FrameEffect;
using skin::FrameMouseFacts;
using skin::HitCode;
using skin::KeyMenuEffect;
using skin::Point;
using skin::ShowState;
using skin::SystemCommand;
using skin::TCaptionButton;
using skin::TMenuBarButton;
using skin::TNcElement;
using skin::TSkinSysButtonObject;

namespace {

// Records each repaint as the button's name and its state: "CLOSE3".
class RecordingFrame : public skin::NcElementHost {
  public:
    void PaintCaptionButton(const TCaptionButton& b) override {
        paints.push_back(b.Button().Name + std::to_string(static_cast<int>(b.State)));
    }
    void PaintMenuBarButton(const TMenuBarButton& b) override {
        paints.push_back(b.Caption + std::to_string(static_cast<int>(b.State)));
    }
    void BringToFront() override {
        paints.push_back("front");
        ClearHotElement();  // the repaint of the frame forgets it
    }

    std::vector<std::string> paints;
};

TSkinSysButtonObject Button(const char* name, int action, int x, int visibility = 0) {
    TSkinSysButtonObject b;
    b.Name = name;
    b.Action = action;
    b.Align = 1;
    b.Xcoord = x;
    b.Ycoord = 5;
    b.Visibility = visibility;
    b.Frame = 4;
    b.Image = skintest::States(9, 4, 16, 14);
    return b;
}

// Close at x 278 to 294, maximise at 260 to 276, the icon at 2 to 18, a
// hidden button over the maximise button, and a picture without an action
// over the close button; all from y 5 to 19 on a window 300 wide.
std::vector<TCaptionButton> Buttons() {
    skin::SkinDefinition s;
    TSkinSysButtonObject icon = Button("ICON", 3, 0);
    icon.Align = 0;
    icon.Xcoord = 2;
    s.CaptionButtons = {Button("DECOR", -1, 22), Button("HIDDEN", 5, 40, 5), Button("CLOSE", 0, 22),
                        Button("MAX", 1, 40), icon};
    std::vector<TCaptionButton> buttons =
        skin::MakeCaptionButtons(std::make_shared<const skin::SkinDefinition>(std::move(s)));
    skin::CaptionState state;
    state.MaximiseBox = state.MinimiseBox = state.SystemMenu = true;
    skin::LayOutCaptionButtons(buttons, state, 300, {}, {16, 16}, 0);
    return buttons;
}

std::vector<TMenuBarButton> MenuBar(std::vector<const char*> captions) {
    std::vector<TMenuBarButton> buttons;
    int x = 10;
    for (const char* caption : captions) {
        TMenuBarButton b;
        b.Caption = caption;
        b.Place = {x, 30, x + 40, 49};
        x += 40;
        buttons.push_back(b);
    }
    return buttons;
}

std::string NameOf(const TNcElement* e) {
    if (!e)
        return "none";
    if (const auto* b = dynamic_cast<const TCaptionButton*>(e))
        return b->Button().Name;
    return static_cast<const TMenuBarButton*>(e)->Caption;
}

// The answer in a few words.
std::string Describe(const FrameAnswer& a) {
    const auto command = [](SystemCommand c) -> std::string {
        return c == SystemCommand::Close      ? "close"
               : c == SystemCommand::Maximize ? "maximise"
               : c == SystemCommand::Minimize ? "minimise"
                                              : "restore";
    };
    static const char* const kEffects[] = {"pass on ", "consumed", "post ",   "menu at ",
                                           "action ",  "child ",   "WM_CLOSE"};
    std::string s = kEffects[static_cast<int>(a.Effect)];
    switch (a.Effect) {
        case FrameEffect::PassOn:
            s += std::to_string(static_cast<int>(a.PassOnHitCode));
            break;
        case FrameEffect::PostSystemCommand:
        case FrameEffect::SendToActiveMdiChild:
            s += command(a.Command);
            break;
        case FrameEffect::OpenSystemMenu:
            s += std::to_string(a.MenuAt.x) + "," + std::to_string(a.MenuAt.y);
            break;
        case FrameEffect::PostCaptionAction:
            s += std::to_string(a.Action);
            break;
        default:
            break;
    }
    if (a.NewShowState)
        s += ", show " + std::to_string(static_cast<int>(*a.NewShowState));
    if (a.StopHoverTimer)
        s += ", stop timer";
    if (a.ClearHotElement)
        s += ", no hot";
    if (a.PutBackSysMenuStyle)
        s += ", WS_SYSMENU";
    return s;
}

FrameMouseFacts NormalWindow() {
    FrameMouseFacts w;
    w.MaximiseBox = w.SystemMenu = w.SystemMenuHasClose = true;
    return w;
}

}  // namespace

TEST(FrameMouse, RevisesOnlyNowhereAndCaptionBelowTheTopEdge) {
    skin::FrameMetrics m{4, 30, 4, 4, 20};
    EXPECT_EQ(skin::ScreenToWindow({510, 260}, {500, 300}, m, false), (Point{14, 10}));
    EXPECT_EQ(skin::ScreenToWindow({510, 260}, {500, 300}, m, true), (Point{10, -40}));
    struct Row {
        HitCode answer;
        int y;
        int menuBarHeight;
        HitCode revised;
    };
    const HitCode left = static_cast<HitCode>(10), top = static_cast<HitCode>(12);
    const Row rows[] = {
        {HitCode::Nowhere, 3, 0, HitCode::Nowhere},
        {HitCode::Nowhere, 4, 0, HitCode::Caption},
        {HitCode::Caption, 2, 0, HitCode::Caption},
        {HitCode::Caption, 30, 20, HitCode::Caption},
        {HitCode::Caption, 31, 20, HitCode::Menu},
        {HitCode::Nowhere, 45, 20, HitCode::Menu},
        {HitCode::Caption, 31, 0, HitCode::Caption},
        {HitCode::Client, 10, 20, HitCode::Client},
        {HitCode::SysMenu, 10, 20, HitCode::SysMenu},
        {left, 10, 20, left},
        {top, 1, 20, top},
        {HitCode::Client, 40, 20, HitCode::Client},
    };
    for (const Row& row : rows) {
        skin::FrameMetrics metrics{4, 30, 4, 4, row.menuBarHeight};
        EXPECT_EQ(skin::ReviseHitTest(row.answer, {100, row.y}, metrics), row.revised)
            << static_cast<int>(row.answer) << " at y " << row.y;
    }
}

TEST(FrameMouse, FindsTheFirstActiveVisibleButtonThenAMenuBarButtonWithACaption) {
    std::vector<TCaptionButton> buttons = Buttons();
    std::vector<TMenuBarButton> menu = MenuBar({"&File", "", "&Help"});
    struct Row {
        Point at;
        const char* element;
    };
    const Row rows[] = {
        {{280, 10}, "CLOSE"},  // under a picture without an action
        {{293, 18}, "CLOSE"}, {{294, 10}, "none"}, {{277, 10}, "none"},
        {{265, 10}, "MAX"},                                             // under a hidden button
        {{2, 5}, "ICON"},     {{20, 35}, "&File"}, {{60, 35}, "none"},  // no caption
        {{90, 48}, "&Help"},  {{90, 49}, "none"},  {{150, 10}, "none"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NameOf(skin::FindElement(row.at, buttons, menu)), row.element)
            << row.at.x << "," << row.at.y;
    }
}

TEST(FrameMouse, ElementsTrackHotAndPressedThroughTheirFrame) {
    std::vector<TCaptionButton> buttons = Buttons();
    TCaptionButton& close = buttons[2];
    TCaptionButton& max = buttons[3];
    TCaptionButton& hidden = buttons[1];
    RecordingFrame frame;

    close.MouseEnter(frame);
    close.MouseEnter(frame);  // already hot: nothing
    max.MouseEnter(frame);
    max.MouseDown(frame);
    max.MouseUp(frame);
    hidden.MouseEnter(frame);  // the hot one leaves; a hidden one never becomes hot
    EXPECT_EQ(frame.HotElement(), nullptr);
    EXPECT_EQ(frame.paints,
              (std::vector<std::string>{"CLOSE3", "CLOSE1", "MAX3", "MAX2", "MAX3", "MAX1"}));
    frame.paints.clear();
    close.MouseDown(frame);
    EXPECT_EQ(frame.HotElement(), &close);
    max.MouseDown(frame);  // the other one leaves first
    EXPECT_EQ(frame.paints, (std::vector<std::string>{"CLOSE2", "CLOSE1", "MAX2"}));
    frame.paints.clear();
    frame.CheckHover({265, 10});  // still over it
    EXPECT_TRUE(frame.paints.empty());
    frame.CheckHover({200, 10});
    EXPECT_EQ(frame.paints, std::vector<std::string>{"MAX1"});
    EXPECT_EQ(frame.HotElement(), nullptr);
    EXPECT_EQ(max.State, skin::ElementState::Normal);
}

TEST(FrameMouse, AButtonActsOnlyWhenReleasedOverItWithoutLeavingIt) {
    using Step = std::pair<const char*, Point>;  // message, window point
    struct Row {
        const char* what;
        std::vector<Step> steps;
        const char* lastAnswer;
        const char* paints;
    };
    const Row rows[] = {
        {"click",
         {{"move", {280, 10}}, {"down", {280, 10}}, {"up", {281, 11}}},
         "post close, stop timer",
         "CLOSE3 CLOSE2 CLOSE3"},
        {"released beside it",
         {{"down", {280, 10}}, {"move", {200, 10}}, {"up", {200, 10}}},
         "pass on 0",
         "CLOSE2 CLOSE1"},
        {"slid to the next button",
         {{"down", {280, 10}}, {"move", {265, 10}}, {"up", {265, 10}}},
         "consumed",
         "CLOSE2 CLOSE1 MAX3"},
        {"left and came back",
         {{"down", {280, 10}}, {"move", {200, 10}}, {"move", {280, 10}}, {"up", {280, 10}}},
         "consumed",
         "CLOSE2 CLOSE1 CLOSE3"},
        {"released without a press",
         {{"move", {280, 10}}, {"up", {280, 10}}},
         "consumed",
         "CLOSE3"},
        {"the icon", {{"down", {5, 8}}, {"up", {5, 8}}}, "menu at 506,309", "ICON2 ICON3"},
    };
    for (const Row& row : rows) {
        std::vector<TCaptionButton> buttons = Buttons();
        RecordingFrame frame;
        FrameAnswer last;
        for (const auto& [message, at] : row.steps) {
            TNcElement* element = skin::FindElement(at, buttons, {});
            const std::string m = message;
            if (m == "move") {
                last = skin::NcMouseMove(frame, element, NormalWindow());
            } else if (m == "down") {
                last = skin::NcLeftButtonDown(frame, element, HitCode::Caption, NormalWindow());
            } else {
                // The window's top-left corner is at 500, 300 on the screen.
                last =
                    skin::NcLeftButtonUp(frame, element, {at.x + 500, at.y + 300}, NormalWindow());
            }
        }
        EXPECT_EQ(Describe(last), row.lastAnswer) << row.what;
        std::string paints;
        for (const std::string& p : frame.paints)
            paints += (paints.empty() ? "" : " ") + p;
        EXPECT_EQ(paints, row.paints) << row.what;
    }
}

TEST(FrameMouse, InactiveWindowsAndMaximisedCaptions) {
    std::vector<TCaptionButton> buttons = Buttons();
    RecordingFrame frame;
    FrameMouseFacts inactive = NormalWindow();
    inactive.Active = false;
    // Moving over an inactive window tracks nothing.
    EXPECT_EQ(Describe(skin::NcMouseMove(frame, &buttons[2], inactive)), "pass on 0");
    EXPECT_TRUE(frame.paints.empty());
    // Pressing comes to the front first, so the press is remembered.
    EXPECT_EQ(Describe(skin::NcLeftButtonDown(frame, &buttons[2], HitCode::Caption, inactive)),
              "consumed");
    EXPECT_EQ(frame.paints, (std::vector<std::string>{"front", "CLOSE2"}));
    EXPECT_EQ(frame.HotElement(), &buttons[2]);

    // A maximised, active window's caption is passed on as the menu.
    struct Row {
        ShowState show;
        bool active;
        HitCode hit;
        const char* answer;
    };
    const Row rows[] = {
        {ShowState::Maximised, true, HitCode::Caption, "pass on 5"},
        {ShowState::Maximised, false, HitCode::Caption, "pass on 2"},
        {ShowState::Normal, true, HitCode::Caption, "pass on 2"},
    };
    for (const Row& row : rows) {
        FrameMouseFacts w = NormalWindow();
        w.Show = row.show;
        w.Active = row.active;
        EXPECT_EQ(Describe(skin::NcLeftButtonDown(frame, nullptr, row.hit, w)), row.answer);
    }
}

TEST(FrameMouse, CaptionButtonActions) {
    struct Row {
        int action;
        ShowState show;
        const char* answer;
        bool hasClose = true;
        skin::MdiRole mdi = skin::MdiRole::None;
    };
    using enum ShowState;
    const Row rows[] = {
        {0, Normal, "post close, stop timer"},
        {0, Normal, "consumed", false},
        {1, Normal, "post maximise, show 1, no hot"},
        {22, Maximised, "post restore, show 0"},
        {2, Normal, "post minimise, show 2, WS_SYSMENU"},
        {23, Minimised, "post restore, show 0"},
        {11, Maximised, "menu at 101,201"},
        {60, Normal, "child minimise", true, skin::MdiRole::Frame},
        {8, Normal, "child restore", true, skin::MdiRole::Frame},
        {62, Normal, "child close", true, skin::MdiRole::Frame},
        {9, Normal, "consumed"},
        {63, Normal, "action 63"},
    };
    for (const Row& row : rows) {
        FrameMouseFacts w = NormalWindow();
        w.Show = row.show;
        w.SystemMenuHasClose = row.hasClose;
        w.Mdi = row.mdi;
        EXPECT_EQ(Describe(skin::CaptionButtonAction(row.action, {100, 200}, w)), row.answer)
            << row.action;
    }
    // Minimising a window without a system menu leaves the style alone.
    FrameMouseFacts bare = NormalWindow();
    bare.SystemMenu = false;
    EXPECT_EQ(Describe(skin::CaptionButtonAction(2, {}, bare)), "post minimise, show 2");
}

TEST(FrameMouse, DoubleClicksRightClicksAndTheSystemMenusSecondOpening) {
    std::vector<TCaptionButton> buttons = Buttons();
    struct Row {
        const TNcElement* element;
        ShowState show;
        bool maximiseBox;
        const char* answer;
    };
    using enum ShowState;
    const Row rows[] = {
        {&buttons[4], Normal, true, "post close, stop timer"},
        {&buttons[2], Normal, true, "consumed"},
        {nullptr, Normal, true, "post maximise, show 1, no hot"},
        {nullptr, Minimised, false, "post restore, show 0"},
        {nullptr, Normal, false, "pass on 0"},
    };
    for (const Row& row : rows) {
        FrameMouseFacts w = NormalWindow();
        w.Show = row.show;
        w.MaximiseBox = row.maximiseBox;
        EXPECT_EQ(Describe(skin::NcLeftDoubleClick(row.element, w)), row.answer)
            << NameOf(row.element) << static_cast<int>(row.show);
    }

    FrameMouseFacts child = NormalWindow();
    child.Mdi = skin::MdiRole::Child;
    EXPECT_EQ(Describe(skin::NcRightButtonDown(HitCode::Caption, {7, 8}, NormalWindow())),
              "menu at 7,8");
    EXPECT_EQ(Describe(skin::NcRightButtonDown(HitCode::Caption, {7, 8}, child)), "pass on 2");
    EXPECT_EQ(Describe(skin::NcRightButtonDown(HitCode::Client, {7, 8}, NormalWindow())),
              "pass on 1");

    struct Opening {
        uint32_t now;
        uint32_t last;
        bool hot;
        const char* answer;
    };
    const Opening openings[] = {
        {10000, 9499, false, "menu at 7,8"},
        {10000, 9500, true, "WM_CLOSE, stop timer"},
        {10000, 9600, false, "consumed"},
        {0x10, 0xFFFFFF00, true, "WM_CLOSE, stop timer"},  // across the tick count's wrap
        {0x300, 0xFFFFFF00, true, "menu at 7,8"},
    };
    for (const Opening& o : openings)
        EXPECT_EQ(Describe(skin::OpenSystemMenu({7, 8}, o.now, o.last, 500, o.hot)), o.answer)
            << o.now << " " << o.last;
}

TEST(FrameMouse, KeyMenuOpensTheMenuBarOrTheSystemMenu) {
    const std::vector<TMenuBarButton> bar = MenuBar({"功能(&F)", "&Edit", "设置(&S)", "A&&B"});
    struct Row {
        uint32_t key;
        bool captured;
        KeyMenuEffect effect;
        size_t button;
    };
    const Row rows[] = {
        {0, false, KeyMenuEffect::OpenMenuBarButton, 0},
        {'E', false, KeyMenuEffect::OpenMenuBarButton, 1},
        {'s', false, KeyMenuEffect::OpenMenuBarButton, 2},
        {'b', false, KeyMenuEffect::PassOn, 0},
        {'-', false, KeyMenuEffect::PassOn, 0},
        {'e', true, KeyMenuEffect::PassOn, 0},
        {' ', true, KeyMenuEffect::OpenSystemMenu, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(skin::DecideKeyMenu(row.key, row.captured, bar),
                  (skin::KeyMenuAnswer{row.effect, row.button}))
            << row.key << " " << row.captured;
    }
    // Without a menu bar, F10 and Alt go on to the system.
    EXPECT_EQ(skin::DecideKeyMenu(0, false, {}).Effect, KeyMenuEffect::PassOn);

    EXPECT_TRUE(skin::HasAccelerator("Fi&le", U'L'));
    EXPECT_TRUE(skin::HasAccelerator("A&&&B", U'b'));
    EXPECT_TRUE(skin::HasAccelerator("汉(&字)", U'字'));
    EXPECT_FALSE(skin::HasAccelerator("End&", U'd'));
    EXPECT_FALSE(skin::HasAccelerator("&File", U'i'));

    for (uint32_t command :
         {0xF000u, 0xF010u, 0xF020u, 0xF030u, 0xF040u, 0xF050u, 0xF060u, 0xF120u})
        EXPECT_TRUE(skin::RepostsAsSystemCommand(command)) << std::hex << command;
    for (uint32_t command : {0xF100u, 0xF130u, 0x10u, 0u})
        EXPECT_FALSE(skin::RepostsAsSystemCommand(command)) << std::hex << command;
}
