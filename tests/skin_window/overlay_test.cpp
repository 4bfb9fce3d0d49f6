// The skinned scroll bars laid over a control's own, with real input under
// Wine: the controls scroll exactly as without the skin (arrows, page
// areas, thumb dragging, wheel, keys), and the overlays follow every resize,
// hide and show of their control.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "controls_form.h"
#include "skin/window/skin_scroll_bar.h"
#include "skin/window/skinned_controls.h"
#include "skin_window_fixture.h"

namespace skinwindow {
namespace {

// Pointer input queued all at once: a press on an overlay starts the
// control's own tracking, which takes the rest of the input from the queue
// before the test's thread runs again.
struct PointerStep {
    POINT at;
    DWORD buttons;  // MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP or 0
};

void Input(const std::vector<PointerStep>& steps) {
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    std::vector<INPUT> inputs;
    for (const PointerStep& step : steps) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = (step.at.x * 65535 + w / 2) / w;
        input.mi.dy = (step.at.y * 65535 + h / 2) / h;
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | step.buttons;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages(80);
}

void Click(POINT p) {
    Input({{p, 0}, {p, MOUSEEVENTF_LEFTDOWN}, {p, MOUSEEVENTF_LEFTUP}});
}

void Drag(POINT from, POINT to) {
    std::vector<PointerStep> steps{{from, 0}, {from, MOUSEEVENTF_LEFTDOWN}};
    for (int step = 1; step <= 4; ++step)
        steps.push_back(
            {{from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4}, 0});
    steps.push_back({to, MOUSEEVENTF_LEFTUP});
    Input(steps);
}

void Wheel(POINT at, int notches) {
    SetCursorPos(at.x, at.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA * notches);
    SendInput(1, &input, sizeof input);
    PumpMessages(60);
}

int FirstShown(HWND control) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(control, SB_VERT, &info);
    return info.nPos;
}

class OverlayTest : public SkinWindowTest {
  protected:
    OverlayTest() {
        AddSkinData();
        UseProgramSkin(*main, Manager(), 2);
        form = ui::Make<ControlsForm>(application);
        form->Show();
        SetForegroundWindow(form->Handle());
        SetCursorPos(1010, 750);
        PumpMessages(150);
    }

    skin::window::TScrollOverlay& Overlay(const ui::TControl& control, bool vertical = true) {
        auto* skinned = dynamic_cast<skin::window::TSkinScrollbar*>(
            Manager()
                .FindSkinnedWindow(GetAncestor(control.Handle(), GA_ROOT))
                ->ChildSkins()
                ->Find(control.Handle()));
        EXPECT_NE(skinned, nullptr);
        return *skinned->Overlay(vertical);
    }

    // The overlay lies exactly over the bar the control reports.
    void ExpectOverTheBar(const ui::TControl& control, const char* when) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetScrollBarInfo(control.Handle(), OBJID_VSCROLL, &info));
        RECT r;
        GetWindowRect(Overlay(control).Window(), &r);
        EXPECT_TRUE(IsWindowVisible(Overlay(control).Window())) << when;
        EXPECT_TRUE(EqualRect(&r, &info.rcScrollBar)) << when;
    }

    // A point of the vertical bar of `control`, `along` pixels from its top
    // (from its bottom when negative), in screen coordinates.
    POINT OnBar(const ui::TControl& control, int along) {
        RECT r;
        GetWindowRect(Overlay(control).Window(), &r);
        return {(r.left + r.right) / 2, along >= 0 ? r.top + along : r.bottom + along};
    }

    ControlsForm* form = nullptr;
};

TEST_F(OverlayTest, EachScrollingControlIsCoveredWhereItsBarIs) {
    for (const ui::TControl* control :
         {static_cast<ui::TControl*>(form->list), static_cast<ui::TControl*>(form->tree),
          static_cast<ui::TControl*>(form->memo), static_cast<ui::TControl*>(form->rich)}) {
        SCOPED_TRACE(control->ClassName());
        ExpectOverTheBar(*control, "after attaching");
        EXPECT_FALSE(IsWindowVisible(Overlay(*control, false).Window()))
            << "no horizontal bar, no overlay";
    }
}

TEST_F(OverlayTest, TheListScrollsByArrowsPagesThumbWheelAndKeysAsWithoutTheSkin) {
    const HWND list = form->list->Handle();
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    struct Row {
        const char* what;
        std::function<void()> act;
        std::function<bool(int before, int after)> moved;
    };
    const Row rows[] = {
        {"the down arrow", [&] { Click(OnBar(*form->list, -arrow / 2)); },
         [](int b, int a) { return a == b + 1; }},
        {"the up arrow", [&] { Click(OnBar(*form->list, arrow / 2)); },
         [](int b, int a) { return a == b - 1; }},
        {"the page area below the thumb", [&] { Click(OnBar(*form->list, -arrow - 4)); },
         [](int b, int a) { return a > b + 5; }},
        {"the thumb dragged down",
         [&] {
             SCROLLBARINFO info{};
             info.cbSize = sizeof info;
             GetScrollBarInfo(list, OBJID_VSCROLL, &info);
             const POINT thumb = OnBar(*form->list, (info.xyThumbTop + info.xyThumbBottom) / 2);
             Drag(thumb, {thumb.x, thumb.y + 60});
         },
         [](int b, int a) { return a > b + 20; }},
        {"the wheel", [&] { Wheel(OnBar(*form->list, 60), 2); },
         [](int b, int a) { return a > b; }},
        {"the key Home",
         [&] {
             SetFocus(list);
             SendMessageW(list, WM_KEYDOWN, VK_HOME, 0);
             PumpMessages(60);
         },
         [](int, int a) { return a == 0; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const int before = FirstShown(list);
        row.act();
        const int after = FirstShown(list);
        EXPECT_TRUE(row.moved(before, after)) << before << " -> " << after;
        EXPECT_EQ(Overlay(*form->list).Tracker().Pressed(), skin::ScrollPart::None)
            << "the press is over";
        ExpectOverTheBar(*form->list, "after scrolling");
    }
}

TEST_F(OverlayTest, TheOverlayFollowsResizesHidesAndShows) {
    ui::TListBox& list = *form->list;
    list.SetBounds(20, 110, 150, 240);
    PumpMessages(60);
    ExpectOverTheBar(list, "resized");

    list.SetVisible(false);
    PumpMessages(60);
    EXPECT_FALSE(IsWindowVisible(Overlay(list).Window())) << "hidden with its control";
    list.SetVisible(true);
    PumpMessages(60);
    ExpectOverTheBar(list, "shown again");

    // A list too short to scroll shows no bar, and so no overlay.
    list.ClearItems();
    list.AddItem("one");
    PumpMessages(60);
    EXPECT_FALSE(IsWindowVisible(Overlay(list).Window())) << "no bar";
}

// Where the skin covers a control's whole frame (its rings, the overlays over
// the bars) the control's own drawing there could show nowhere, and is left
// out: as the bar comes and goes, and when the frame is redrawn. A frame
// wider than the rings is still the control's to draw.
TEST_F(OverlayTest, AFrameTheSkinCoversIsNotDrawnByTheControl) {
    auto* second = ui::Make<ControlsForm>(application);
    ui::TListBox& list = *second->list;
    int ownDrawings = 0;
    const ui::HandlerLink counter(list.Handlers(),
                                  [&](ui::TMessage& m, const ui::NextHandler& next) {
                                      if (m.Msg == WM_NCPAINT)
                                          ++ownDrawings;
                                      next(m);
                                  });
    second->Show();
    SetForegroundWindow(second->Handle());
    PumpMessages(150);
    ExpectOverTheBar(list, "skinned");

    ownDrawings = 0;
    RedrawWindow(list.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    list.ClearItems();
    list.AddItem("one");
    PumpMessages(60);
    EXPECT_FALSE(IsWindowVisible(Overlay(list).Window())) << "no bar";
    for (int i = 0; i < 60; ++i)
        list.AddItem("item " + std::to_string(i));
    PumpMessages(60);
    ExpectOverTheBar(list, "the bar is back");
    EXPECT_EQ(ownDrawings, 0);

    const LONG style = GetWindowLongW(list.Handle(), GWL_STYLE);
    SetWindowLongW(list.Handle(), GWL_STYLE, style | WS_BORDER);
    SetWindowPos(list.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    PumpMessages(60);
    EXPECT_GT(ownDrawings, 0) << "a third ring of its own";
}

// A switch lays the window out with its drawing held back: an overlay must
// still hide when the new skin has no scroll bars, and come back with one.
TEST_F(OverlayTest, ASwitchToASkinWithoutScrollBarsHidesTheOverlays) {
    ui::TListBox& list = *form->list;
    ExpectOverTheBar(list, "skinned");
    LoadBoxSkin(*main);
    main->ApplySkin();
    Manager().RunPendingCommand();
    PumpMessages(120);
    EXPECT_FALSE(IsWindowVisible(Overlay(list).Window())) << "a skin without scroll bars";
    ASSERT_TRUE(UseProgramSkin(*main, Manager(), 2));
    ExpectOverTheBar(list, "a skin with them again");
}

}  // namespace
}  // namespace skinwindow
