// The other members of the family under Wine: bare system controls inside a
// window without a widget object, classified by the bare-window table, and
// controls of other libraries' classes, reached through ClassMap or the
// built-in table by a control of that class name. Each gets its member,
// shows its composition in two of the program's skins, follows a change of
// its state, and gives its ordinary look back when it is detached.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "controls_form.h"
#include "skin/check_box_look.h"
#include "skin/date_time_look.h"
#include "skin/header_look.h"
#include "skin/media_player_look.h"
#include "skin/progress_look.h"
#include "skin/scroll_bar_window_look.h"
#include "skin/tab_look.h"
#include "skin/track_bar_look.h"
#include "skin/up_down_look.h"
#include "skin/window/dib.h"
#include "skin/window/engine_messages.h"
#include "skin/window/media_player_panel.h"
#include "skin/window/skin_check_box.h"
#include "skin/window/skin_combo_box.h"
#include "skin/window/skin_control_handler.h"
#include "skin/window/skin_edit.h"
#include "skin/window/skin_header.h"
#include "skin/window/skin_progress.h"
#include "skin/window/skin_sizer.h"
#include "skin/window/skin_tab.h"
#include "skin/window/skin_track_bar.h"
#include "skin/window/skin_up_down.h"
#include "skin/window/skinned_controls.h"
#include "skin_window_fixture.h"
#include "ui/window_class.h"

namespace skinwindow {
namespace {

using pixels::Bitmap;
using K = skin::SkinnedControlKind;

// A control of another library's class: a system control registered under
// that class name.
class OtherLibraryControl : public ui::TControl {
  public:
    OtherLibraryControl(ui::TComponent& owner, ui::TControl* parent, const wchar_t* systemClass,
                        const wchar_t* name, DWORD style, RECT r)
        : ui::TControl(owner, parent) {
        for (const wchar_t* c = name; *c; ++c)
            name_.push_back(static_cast<char>(*c));
        ui::RegisterSuperclass(systemClass, name);
        CreateWnd(name, WS_CHILD | WS_VISIBLE | style, 0, r.left, r.top, r.right - r.left,
                  r.bottom - r.top);
    }
    std::string ClassName() const override { return name_; }

    // A grid's FixedColor and a panel's ParentBackground, for the detach.
    bool GetProperty(std::string_view name, ui::PropertyValue& value) const override {
        if (name == "FixedColor" && fixedColor_) {
            value = *fixedColor_;
            return true;
        }
        return ui::TControl::GetProperty(name, value);
    }
    bool SetProperty(std::string_view name, const ui::PropertyValue& value) override {
        if (name == "FixedColor" && fixedColor_)
            return ui::Extract(value, *fixedColor_);
        return ui::TControl::SetProperty(name, value);
    }
    void HaveFixedColor(int64_t colour) { fixedColor_ = colour; }

  private:
    std::string name_;
    std::optional<int64_t> fixedColor_;
};

class OtherLibrariesForm : public ui::TForm {
  public:
    explicit OtherLibrariesForm(ui::TComponent& owner)
        : ui::TForm(owner, L"TOtherLibrariesForm", ui::TFormBorderStyle::bsSingle,
                    ui::TPosition::poScreenCenter) {
        SetClientSize(560, 300);
        const auto make = [&](const wchar_t* system, const wchar_t* name, DWORD style, RECT r) {
            return ui::Make<OtherLibraryControl>(*this, this, system, name, style, r);
        };
        speed = make(L"Button", L"TRxSpeedButton", BS_PUSHBUTTON, {10, 10, 100, 36});
        objImage = make(L"Button", L"TRzCheckBox", BS_AUTOCHECKBOX, {110, 10, 230, 36});
        upDown = make(UPDOWN_CLASSW, L"TUpDown", 0, {240, 10, 258, 40});
        tabSet = make(WC_TABCONTROLW, L"TTabSet", TCS_BOTTOM, {270, 10, 550, 40});
        advPage = make(WC_TABCONTROLW, L"TTestAdvPage", 0, {10, 50, 270, 150});
        track = make(TRACKBAR_CLASSW, L"TTestTrackBar", TBS_AUTOTICKS, {280, 50, 550, 90});
        date = make(DATETIMEPICK_CLASSW, L"TTestDatePicker", WS_BORDER, {280, 100, 420, 124});
        progress = make(PROGRESS_CLASSW, L"TTestProgress", 0, {280, 130, 550, 150});
        player = make(L"Static", L"TMediaPlayer", 0, {10, 160, 280, 190});
        grid = make(L"ListBox", L"TTestGrid", WS_VSCROLL | WS_BORDER, {290, 160, 420, 290});
        grid->HaveFixedColor(0x123456);
        panel = make(L"Static", L"TTestPanel", 0, {430, 160, 550, 290});
        panel->SetParentBackground(true);
        for (const wchar_t* tab : {L"第一", L"Second", L"三"}) {
            for (OtherLibraryControl* t : {tabSet, advPage}) {
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = const_cast<wchar_t*>(tab);
                SendMessageW(t->Handle(), TCM_INSERTITEMW, 99, reinterpret_cast<LPARAM>(&item));
            }
        }
        for (int i = 0; i < 60; ++i)
            SendMessageW(grid->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"row"));
    }

    OtherLibraryControl *speed, *objImage, *upDown, *tabSet, *advPage, *track, *date, *progress,
        *player, *grid, *panel;
};

// A window without a widget object holding bare system controls.
struct BareControls {
    explicit BareControls(const TestWindow& w) {
        const auto make = [&](const wchar_t* cls, DWORD style, RECT r, const wchar_t* text = L"",
                              DWORD exStyle = 0) {
            return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, w.Handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        };
        ui::RegisterSuperclass(PROGRESS_CLASSW, L"TProgressBar");
        check = make(L"Button", BS_AUTOCHECKBOX, {10, 10, 130, 34}, L"选中 Check");
        radio = make(L"Button", BS_AUTORADIOBUTTON, {140, 10, 260, 34}, L"单选 Radio");
        split = make(L"Button", BS_SPLITBUTTON, {270, 10, 380, 34}, L"More");
        edit = make(L"Edit", 0, {10, 44, 150, 68}, L"text", WS_EX_CLIENTEDGE);
        combo = make(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, {160, 44, 300, 200});
        bar = make(L"ScrollBar", SBS_VERT, {380, 44, 397, 200});
        tabs = make(WC_TABCONTROLW, 0, {10, 80, 300, 160});
        progress = make(L"TProgressBar", 0, {10, 170, 300, 190});
        header = make(WC_HEADERW, 0, {10, 200, 300, 222});
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = 100;
        info.nPage = 20;
        info.nPos = 30;
        SetScrollInfo(bar, SB_CTL, &info, TRUE);
        for (const wchar_t* tab : {L"一", L"Two"}) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(tab);
            SendMessageW(tabs, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
            HDITEMW section{};
            section.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
            section.cxy = 100;
            section.fmt = HDF_CENTER;
            section.pszText = const_cast<wchar_t*>(tab);
            SendMessageW(header, HDM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&section));
        }
        SendMessageW(progress, PBM_SETPOS, 40, 0);
    }
    HWND check, radio, split, edit, combo, bar, tabs, progress, header;
};

class MembersTest : public SkinWindowTest {
  protected:
    MembersTest() {
        // The pointer starts away from the windows the test shows: left over
        // an earlier test's window, it would show a control hot from the start.
        SetCursorPos(1010, 750);
        AddSkinData();
        for (const char* line : {"TTestAdvPage=advpagecontrol", "TTestTrackBar=trackbar",
                                 "TTestDatePicker=datetimepicker", "TTestProgress=progress",
                                 "TTestGrid=scrollbar", "TTestPanel=panel"})
            main->ClassMap.push_back(line);
        UseSkin(1);
    }
    void UseSkin(int index) { ASSERT_TRUE(UseProgramSkin(*main, Manager(), index)); }
    skin::window::TSkinControl* SkinOf(HWND frameWindow, HWND control) {
        skin::window::TSkinForm* frame = Manager().FindSkinnedWindow(frameWindow);
        return frame && frame->ChildSkins() ? frame->ChildSkins()->Find(control) : nullptr;
    }
    OtherLibrariesForm* ShowForm() {
        auto* form = ui::Make<OtherLibrariesForm>(application);
        form->Show();
        // Beside the test window, so that neither covers the other.
        SetWindowPos(form->Handle(), nullptr, 450, 390, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetForegroundWindow(form->Handle());
        SetCursorPos(1010, 750);
        PumpMessages(150);
        return form;
    }
};

TEST_F(MembersTest, OtherLibrariesControlsGetTheirMembersThroughTheClassMapAndTheTable) {
    OtherLibrariesForm* form = ShowForm();
    const struct {
        ui::TControl* control;
        K member;
    } rows[] = {
        {form->speed, K::TSkinSpeedButton}, {form->objImage, K::TSkinObjImage},
        {form->upDown, K::TSkinUpDown},     {form->tabSet, K::TSkinTab31},
        {form->advPage, K::TSkinAdvPage},   {form->track, K::TSkinTrackBar},
        {form->date, K::TSkinDateTime},     {form->progress, K::TSkinProgress},
        {form->player, K::TSkinMP},         {form->grid, K::TSkinScrollbar},
        {form->panel, K::TSkinBox},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control->ClassName());
        const skin::window::TSkinControl* skinned = SkinOf(form->Handle(), row.control->Handle());
        ASSERT_NE(skinned, nullptr);
        EXPECT_EQ(skinned->Member(), row.member);
    }
}

TEST_F(MembersTest, TheOwnersHandlerSuppliesObjectsBeforeTheClassification) {
    struct Call {
        skin::window::TSkinForm* sender;
        ui::TControl* form;
        std::string upperClassName;
    };
    std::vector<Call> calls;
    skin::window::TSkinControl* supplied = nullptr;
    main->OnSkinControl = std::make_shared<skin::SkinControlHandler>();
    main->OnSkinControl->Handle = [&](const skin::SkinControlEvent& e,
                                      std::unique_ptr<skin::window::TSkinControl>& result) {
        calls.push_back({&e.Sender, &e.Form, e.UpperClassName});
        EXPECT_EQ(&e.Data, main);
        const skin::window::ControlContext context{e.Data, look, e.Sender.Handle()};
        if (e.UpperClassName == "TRXSPEEDBUTTON") {
            result = skin::window::MakeSkinnedControl(K::TSkinButton, context);
            supplied = result.get();
        } else if (e.UpperClassName == "TUPDOWN") {
            // A handler may attach its object itself.
            result = skin::window::MakeSkinnedControl(K::TSkinUpDown, context);
            result->AttachControl(e.Control, false);
        }
    };
    OtherLibrariesForm* form = ShowForm();
    skin::window::TSkinForm* frame = Manager().FindSkinnedWindow(form->Handle());
    ASSERT_NE(frame, nullptr);

    ASSERT_NE(supplied, nullptr);
    EXPECT_EQ(SkinOf(form->Handle(), form->speed->Handle()), supplied);
    EXPECT_EQ(supplied->Member(), K::TSkinButton) << "the owner's object, not TSkinSpeedButton";
    EXPECT_EQ(supplied->State(), skin::window::LifeState::Attached);
    const auto objects = frame->ChildSkins()->Objects();
    EXPECT_EQ(std::count_if(objects.begin(), objects.end(),
                            [&](auto* o) { return o->Window() == form->upDown->Handle(); }),
              1)
        << "an object the handler attached is not attached twice";
    const skin::window::TSkinControl* tabSet = SkinOf(form->Handle(), form->tabSet->Handle());
    ASSERT_NE(tabSet, nullptr);
    EXPECT_EQ(tabSet->Member(), K::TSkinTab31) << "left to the classification";
    ASSERT_FALSE(calls.empty());
    for (const Call& c : calls) {
        EXPECT_EQ(c.sender, frame);
        EXPECT_EQ(c.form, form);
    }

    calls.clear();
    UseSkin(2);
    PumpMessages(120);
    for (const Call& c : calls)
        EXPECT_NE(c.upperClassName, "TRXSPEEDBUTTON") << "a skinned control is not asked again";
    EXPECT_EQ(SkinOf(form->Handle(), form->speed->Handle()), supplied);
}

TEST_F(MembersTest, BareControlsGetTheMembersOfTheBareWindowTable) {
    TestWindow w(Kind::Dialog);
    BareControls bare(w);
    w.Show();
    const struct {
        const char* name;
        HWND window;
        K member;
    } rows[] = {
        {"check box", bare.check, K::TSkinCheckBox},
        {"radio button", bare.radio, K::TSkinRadioButton},
        {"split button", bare.split, K::TSkinMenuButton},
        {"edit", bare.edit, K::TSkinEdit},
        {"combo box", bare.combo, K::TSkinComBox},
        {"scroll bar", bare.bar, K::TSkinSizer},
        {"tab control", bare.tabs, K::TSkinTab},
        {"TProgressBar", bare.progress, K::TSkinProgress},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const skin::window::TSkinControl* skinned = SkinOf(w.Handle(), row.window);
        ASSERT_NE(skinned, nullptr);
        EXPECT_EQ(skinned->Member(), row.member);
        EXPECT_EQ(SendMessageW(row.window, skin::window::kAlreadySkinnedMessage, 0, 0), 1);
    }
    EXPECT_EQ(SkinOf(w.Handle(), bare.header), nullptr) << "no row of the table for headers";
}

// A window of a panel class of another library, white until skinned.
HWND MakeWhitePanel(HWND parent, const wchar_t* className, RECT r) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    cls.lpszClassName = className;
    RegisterClassW(&cls);  // fails harmlessly when an earlier test registered it
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, r.left,
                           r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

COLORREF ScreenColour(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST_F(MembersTest, BarePanelsWearTheButtonFaceAndTheirControlsAreSkinned) {
    TestWindow w(Kind::Dialog);
    const HWND panel = MakeWhitePanel(w.Handle(), L"TPanel", {10, 10, 190, 150});
    const HWND unicodePanel =
        MakeWhitePanel(w.Handle(), L"TTntPanel.UnicodeClass", {200, 10, 390, 150});
    const HWND silent = MakeWhitePanel(w.Handle(), L"TSilentPaintPanel", {10, 160, 390, 290});
    const HWND check =
        CreateWindowExW(0, L"Button", L"Check", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 10, 10, 120,
                        24, panel, nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND silentsButton =
        CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, silent, nullptr,
                        GetModuleHandleW(nullptr), nullptr);
    w.Show();
    PumpMessages(100);
    const COLORREF face =
        static_cast<COLORREF>(skin::ResolveColour(main->Skin()->Colours.ButtonFace, look));
    ASSERT_NE(face, RGB(255, 255, 255)) << "the skin's face must differ from the panels' own";
    for (HWND p : {panel, unicodePanel, silent}) {
        const skin::window::TSkinControl* skinned = SkinOf(w.Handle(), p);
        ASSERT_NE(skinned, nullptr);
        EXPECT_EQ(skinned->Member(), K::TSkinBox);
        EXPECT_EQ(ScreenColour(p, 150, 120), face);
    }
    const skin::window::TSkinControl* inPanel = SkinOf(w.Handle(), check);
    ASSERT_NE(inPanel, nullptr) << "a panel's controls are classified too";
    EXPECT_EQ(inPanel->Member(), K::TSkinCheckBox);
    EXPECT_EQ(SkinOf(w.Handle(), silentsButton), nullptr) << "only the colour for this one";

    main->SetActive(false);
    Manager().RunPendingCommand();
    PumpMessages(120);
    for (HWND p : {panel, unicodePanel, silent})
        EXPECT_EQ(ScreenColour(p, 150, 120), RGB(255, 255, 255));
}

TEST_F(MembersTest, ASimpleComboBoxsListGetsASingleScrollBar) {
    TestWindow w(Kind::Dialog);
    ui::RegisterSuperclass(L"ComboBox", L"TComboBox");
    const HWND combo =
        CreateWindowExW(0, L"TComboBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_SIMPLE, 10,
                        10, 200, 160, w.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 40; ++i)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    w.Show();

    auto* skinned = dynamic_cast<skin::window::TSkinComBox*>(SkinOf(w.Handle(), combo));
    ASSERT_NE(skinned, nullptr);
    skin::window::TSkinScrollbar* list = skinned->ListScrollBar();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Member(), K::TSkinScrollbarH);
    EXPECT_EQ(list->Window(), info.hwndList);
    EXPECT_NE(list->Overlay(true), nullptr);
    EXPECT_EQ(list->Overlay(false), nullptr) << "the list's vertical bar only";
    EXPECT_EQ(SendMessageW(info.hwndList, skin::window::kAlreadySkinnedMessage, 0, 0), 1);

    main->SetActive(false);
    Manager().RunPendingCommand();
    PumpMessages(120);
    EXPECT_EQ(SendMessageW(info.hwndList, skin::window::kAlreadySkinnedMessage, 0, 0), 0)
        << "detaching the box frees its list's scroll bar";
}

// The part a bare scroll bar's member shows pressed at the last step of the
// bar's own tracking (the release).
struct TrackingView {
    const skin::window::TSkinSizer* skinned = nullptr;
    bool seen = false;
    skin::ScrollPart pressed = skin::ScrollPart::None;
};
thread_local TrackingView* trackingView = nullptr;

LRESULT CALLBACK LookAtTheRelease(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_SCROLLBAR && msg->message == WM_LBUTTONUP && trackingView) {
        trackingView->seen = true;
        trackingView->pressed = trackingView->skinned->Facts().bar.Pressed;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MembersTest, ABareScrollBarKeepsTheSkinWhileItsOwnTrackingRuns) {
    TestWindow w(Kind::Dialog);
    BareControls bare(w);
    w.Show();
    auto* bar = static_cast<skin::window::TSkinSizer*>(SkinOf(w.Handle(), bare.bar));
    ASSERT_NE(bar, nullptr);
    TrackingView view{bar};
    trackingView = &view;
    const HHOOK hook =
        SetWindowsHookExW(WH_MSGFILTER, LookAtTheRelease, nullptr, GetCurrentThreadId());
    const skin::ScrollBarWindowFacts before = bar->Facts();
    RECT r;
    GetWindowRect(bare.bar, &r);
    const POINT thumb{(r.left + r.right) / 2,
                      r.top + (before.bar.ThumbStart + before.bar.ThumbEnd) / 2};
    const int sw = GetSystemMetrics(SM_CXSCREEN) - 1, sh = GetSystemMetrics(SM_CYSCREEN) - 1;
    const auto step = [&](POINT p, DWORD buttons) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = (p.x * 65535 + sw / 2) / sw;
        input.mi.dy = (p.y * 65535 + sh / 2) / sh;
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
        return input;
    };
    // The thumb dragged down; the test window does not scroll, so the
    // drag shows only while it lasts.
    INPUT inputs[] = {step(thumb, 0), step(thumb, MOUSEEVENTF_LEFTDOWN),
                      step({thumb.x, thumb.y + 30}, 0),
                      step({thumb.x, thumb.y + 30}, MOUSEEVENTF_LEFTUP)};
    SendInput(4, inputs, sizeof(INPUT));
    PumpMessages(150);
    UnhookWindowsHookEx(hook);
    trackingView = nullptr;

    ASSERT_TRUE(view.seen) << "the bar tracked the press itself";
    EXPECT_EQ(view.pressed, skin::ScrollPart::Thumb) << "shown pressed during the tracking";
    EXPECT_EQ(bar->Facts().bar.Pressed, skin::ScrollPart::None) << "the press is over";
}

TEST_F(MembersTest, EachMemberShowsItsCompositionAndFollowsItsState) {
    TestWindow w(Kind::Dialog);
    BareControls bare(w);
    w.Show();
    // A header is served by its member when one is made for it.
    skin::window::ControlContext context{*main, look, w.Handle()};
    auto header = skin::window::MakeSkinnedControl(K::TSkinHeader, context);
    header->AttachWindow(bare.header);
    OtherLibrariesForm* form = ShowForm();

    using Compose = std::function<void(Bitmap&, skin::Rect, const skin::SkinDefinition&)>;
    const auto painter = [](HWND window) {
        return std::make_shared<skin::window::GdiTextPainter>(LogFontOf(window),
                                                              skin::window::Ampersand::Plain);
    };
    struct Row {
        const char* name;
        HWND window;
        std::function<void()> change;   // a state the user or the program gives it
        std::function<bool()> changed;  // the member's facts show it
        Compose compose;
        bool bordersOnly = false;  // the control paints its inside itself
    };
    auto* check = static_cast<skin::window::TSkinCheckBox*>(SkinOf(w.Handle(), bare.check));
    auto* tabs = static_cast<skin::window::TSkinTab*>(SkinOf(w.Handle(), bare.tabs));
    auto* progress = static_cast<skin::window::TSkinProgress*>(SkinOf(w.Handle(), bare.progress));
    auto* bar = static_cast<skin::window::TSkinSizer*>(SkinOf(w.Handle(), bare.bar));
    auto* edit = static_cast<skin::window::TSkinEdit*>(SkinOf(w.Handle(), bare.edit));
    auto* heading = static_cast<skin::window::TSkinHeader*>(header.get());
    auto* upDown =
        static_cast<skin::window::TSkinUpDown*>(SkinOf(form->Handle(), form->upDown->Handle()));
    auto* track =
        static_cast<skin::window::TSkinTrackBar*>(SkinOf(form->Handle(), form->track->Handle()));
    auto* tabSet =
        static_cast<skin::window::TSkinTab*>(SkinOf(form->Handle(), form->tabSet->Handle()));
    auto* date =
        static_cast<skin::window::TSkinEdit*>(SkinOf(form->Handle(), form->date->Handle()));
    auto* player =
        static_cast<skin::window::TSkinMP*>(SkinOf(form->Handle(), form->player->Handle()));
    for (const void* p : std::initializer_list<const void*>{check, tabs, progress, bar, edit,
                                                            upDown, track, tabSet, date, player})
        ASSERT_NE(p, nullptr);

    const Row rows[] = {
        {"check box", bare.check, [&] { SendMessageW(bare.check, BM_SETCHECK, BST_CHECKED, 0); },
         [&] { return check->Facts().mark == skin::CheckMark::Checked; },
         [&, font = painter(bare.check)](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintToggleButton(b, r, check->Facts(), s, *font, look);
         }},
        {"tab control", bare.tabs, [&] { SendMessageW(bare.tabs, TCM_SETCURSEL, 1, 0); },
         [&] { return tabs->Facts().selected == 1; },
         [&, font = painter(bare.tabs)](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintTabControl(b, r, tabs->Facts(), s, *font, look);
         }},
        {"progress bar", bare.progress, [&] { SendMessageW(bare.progress, PBM_SETPOS, 75, 0); },
         [&] { return progress->Facts().position == 75; },
         [&](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintProgressBar(b, r, progress->Facts(), s, look);
         }},
        {"scroll bar", bare.bar, [&] { SetScrollPos(bare.bar, SB_CTL, 70, TRUE); },
         [&] { return bar->Facts().bar.ThumbStart > bar->Facts().arrow; },
         [&](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintScrollBarWindow(b, r, bar->Facts(), s, look);
         }},
        {"header", bare.header,
         [&] { SendMessageW(bare.header, WM_MOUSEMOVE, 0, MAKELPARAM(30, 8)); },
         [&] { return heading->Facts().hot == 0; },
         [&, font = painter(bare.header)](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintHeader(b, r, heading->Facts(), s, *font, look);
         }},
        {"up-down", form->upDown->Handle(),
         [&] { SendMessageW(form->upDown->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 25)); },
         [&] { return upDown->Facts().hot == skin::UpDownHalf::Second; },
         [&](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintUpDown(b, r, upDown->Facts(), s, look);
         }},
        {"track bar", form->track->Handle(),
         [&] { SendMessageW(form->track->Handle(), TBM_SETPOS, TRUE, 60); },
         [&] { return SendMessageW(form->track->Handle(), TBM_GETPOS, 0, 0) == 60; },
         [&](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintTrackBar(b, r, track->Facts(), s, look);
         }},
        {"tab set", form->tabSet->Handle(),
         [&] { SendMessageW(form->tabSet->Handle(), TCM_SETCURSEL, 2, 0); },
         [&] { return tabSet->Facts().selected == 2; },
         [&, font = painter(form->tabSet->Handle())](Bitmap& b, skin::Rect r,
                                                     const skin::SkinDefinition& s) {
             skin::PaintTabSet(b, r, tabSet->Facts(), s, *font, look);
         }},
        {"media player", form->player->Handle(),
         [&] { SendMessageW(form->player->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 10)); },
         [&] { return player->Panel().Facts(true).hot == 1; },
         [&](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintMediaPlayer(b, r, player->Panel().Facts(true), s, look);
         }},
        {"edit", bare.edit, [&] { SetFocus(bare.edit); },
         [&] { return edit->Facts().look == skin::Look::Hot; },
         [&](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintDateTimePicker(b, r, edit->Facts(), s, look);
         },
         true},
        {"date-time picker", form->date->Handle(), [] {}, [&] { return true; },
         [&](Bitmap& b, skin::Rect r, const skin::SkinDefinition& s) {
             skin::PaintDateTimePicker(b, r, date->Facts(), s, look);
         },
         true},
    };
    for (const int index : {1, 3}) {
        UseSkin(index);
        for (const bool changed : {false, true}) {
            for (const Row& row : rows) {
                SCOPED_TRACE(testing::Message()
                             << row.name << ", skin " << index << (changed ? ", changed" : ""));
                if (changed) {
                    row.change();
                    PumpMessages(60);
                    EXPECT_TRUE(row.changed()) << "the change shows in the facts";
                }
                PumpMessages(60);
                const skin::Rect place = skin::window::WindowPlace(row.window);
                Bitmap expected(place.Width(), place.Height());
                row.compose(expected, place, *main->Skin());
                if (row.bordersOnly) {
                    // The rings are the member's; the inside is the control's.
                    for (const skin::Rect strip :
                         {skin::Rect{0, 0, place.right, 2}, skin::Rect{0, 0, 2, place.bottom}}) {
                        EXPECT_EQ(ScreenDifferences(row.window, expected, strip),
                                  std::vector<std::string>{});
                    }
                } else {
                    EXPECT_EQ(ScreenDifferences(row.window, expected, place),
                              std::vector<std::string>{});
                }
            }
        }
    }
    header->Detach();
}

TEST_F(MembersTest, DetachingGivesBackTheColourParentBackgroundAndFixedColor) {
    OtherLibrariesForm* form = ShowForm();
    const skin::Colour face = skin::ResolveColour(main->Skin()->Colours.ButtonFace, look);
    EXPECT_EQ(form->panel->Color(), static_cast<ui::TColor>(face));
    EXPECT_FALSE(form->panel->ParentBackground()) << "cleared while skinned";
    ui::PropertyValue fixed;
    ASSERT_TRUE(form->grid->GetProperty("FixedColor", fixed));
    EXPECT_EQ(std::get<int64_t>(fixed), face);

    main->SetActive(false);
    Manager().RunPendingCommand();
    PumpMessages(120);
    EXPECT_EQ(form->panel->Color(), ui::clBtnFace);
    EXPECT_TRUE(form->panel->ParentBackground());
    ASSERT_TRUE(form->grid->GetProperty("FixedColor", fixed));
    EXPECT_EQ(std::get<int64_t>(fixed), 0x123456);
    for (HWND window : {form->speed->Handle(), form->track->Handle(), form->grid->Handle()})
        EXPECT_EQ(SendMessageW(window, skin::window::kAlreadySkinnedMessage, 0, 0), 0);
}

}  // namespace
}  // namespace skinwindow
