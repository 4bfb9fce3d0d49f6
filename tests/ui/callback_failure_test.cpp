// Failures inside the program's Win32 callbacks, on a window of a test
// program: how often they are reported and from where.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "message_pump.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/error_report.h"
#include "ui/win_handle.h"
#include "ui/window_class.h"

namespace {

const wchar_t* const kTitle = L"回调测试";

// What the message boxes of this thread showed. Each box is pressed OK as
// soon as it is up.
struct Reports {
    std::vector<std::wstring> texts;
    std::set<HWND> open;
    size_t mostOpenAtOnce = 0;
    bool stopIcon = true;
    bool okOnly = true;
    bool captioned = true;
    // How many failing calls are running now (a failing message's window
    // procedure, a failing hook, a failing creation), and whether a box
    // showed while one was.
    int failingCalls = 0;
    bool shownInsideFailingCall = false;
};
Reports* g_reports = nullptr;

BOOL CALLBACK NoteIcon(HWND child, LPARAM stopIcon) {
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    if (lstrcmpiW(cls, L"Static") == 0 &&
        (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        *reinterpret_cast<bool*>(stopIcon) =
            reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) ==
            LoadIconW(nullptr, IDI_HAND);
    return TRUE;
}

LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    wchar_t cls[16] = {};
    if (code >= 0 && g_reports && GetClassNameW(window, cls, 16) && lstrcmpW(cls, L"#32770") == 0) {
        Reports& r = *g_reports;
        if (code == HCBT_ACTIVATE && r.open.insert(window).second) {
            wchar_t text[256] = {}, caption[64] = {};
            GetDlgItemTextW(window, 0xFFFF, text, 256);
            GetWindowTextW(window, caption, 64);
            r.texts.push_back(text);
            r.mostOpenAtOnce = std::max(r.mostOpenAtOnce, r.open.size());
            r.shownInsideFailingCall |= r.failingCalls > 0;
            r.captioned &= lstrcmpW(caption, kTitle) == 0;
            r.okOnly &= GetDlgItem(window, IDOK) && !GetDlgItem(window, IDCANCEL);
            bool stopIcon = false;
            EnumChildWindows(window, NoteIcon, reinterpret_cast<LPARAM>(&stopIcon));
            r.stopIcon &= stopIcon;
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        } else if (code == HCBT_DESTROYWND) {
            r.open.erase(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Counts a failing call while it runs.
class FailingCall {
  public:
    FailingCall() { ++g_reports->failingCalls; }
    ~FailingCall() { --g_reports->failingCalls; }
    FailingCall(const FailingCall&) = delete;
    FailingCall& operator=(const FailingCall&) = delete;
};

enum class Fault { None, Creation, Paint, Timer, Command };

// A window whose handling of one kind of message fails, and counts it. The
// window procedure of the layer is wrapped, so that the test sees whether a
// report shows while the failing message is still being handled.
class FailingWindow : public ui::TControl {
  public:
    FailingWindow(ui::TComponent& owner, Fault fault)
        : ui::TControl(owner, nullptr), fault_(fault) {
        ui::RegisterOwnClass(L"TFailingWindow", 0);
        {
            const FailingCall creation;
            CreateWnd(L"TFailingWindow", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 100, 100, 300, 200);
        }
        SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        layerProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Outer)));
    }
    ~FailingWindow() override {
        SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(layerProc_));
    }
    std::string ClassName() const override { return "TFailingWindow"; }

    int failures = 0;
    int commandsDone = 0;

  protected:
    void WndProc(ui::TMessage& m) override {
        if (m.Msg == WM_NCCREATE && fault_ == Fault::Creation)
            Fail("创建失败");
        if (m.Msg == WM_PAINT && fault_ == Fault::Paint)
            Fail("画不出来");
        if (m.Msg == WM_TIMER && fault_ == Fault::Timer)
            Fail("计时失败");
        if (m.Msg == WM_TIMER && fault_ == Fault::Paint)
            InvalidateRect(Handle(), nullptr, TRUE);
        if (m.Msg == WM_COMMAND && fault_ == Fault::Command && m.WParam == 1)
            Fail("命令失败");
        if (m.Msg == WM_COMMAND && m.WParam == 2) {
            ++commandsDone;
            return;
        }
        ui::TControl::WndProc(m);
    }

  private:
    [[noreturn]] void Fail(const char* text) {
        ++failures;
        throw std::runtime_error(text);
    }
    bool Fails(UINT msg) const {
        return (msg == WM_PAINT && fault_ == Fault::Paint) ||
               (msg == WM_TIMER && fault_ == Fault::Timer) ||
               (msg == WM_COMMAND && fault_ == Fault::Command);
    }
    static LRESULT CALLBACK Outer(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<FailingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        std::optional<FailingCall> failing;
        if (self->Fails(msg))
            failing.emplace();
        return CallWindowProcW(self->layerProc_, window, msg, wParam, lParam);
    }

    Fault fault_;
    WNDPROC layerProc_ = nullptr;
};

class CallbackFailure : public ::testing::Test {
  protected:
    CallbackFailure() {
        application.Initialize();
        application.SetTitle("回调测试");
        g_reports = &reports;
        watch = ui::OwnedHook(SetWindowsHookExW(WH_CBT, WatchBoxes, nullptr, GetCurrentThreadId()));
    }
    ~CallbackFailure() override { g_reports = nullptr; }

    ui::TApplication application;
    Reports reports;
    ui::OwnedHook watch;
};

// A hook procedure of the program that fails on every message it sees.
int g_hookFailures = 0;
LRESULT CALLBACK FailingHook(int code, WPARAM wParam, LPARAM lParam) {
    const FailingCall call;
    return ui::RunCallback(ui::TFailureKind::Hook, CallNextHookEx(nullptr, code, wParam, lParam),
                           [&]() -> LRESULT {
                               ++g_hookFailures;
                               throw std::runtime_error("钩子失败");
                           });
}

}  // namespace

TEST_F(CallbackFailure, APaintOrTimerOrHookThatKeepsFailingIsReportedOnce) {
    const struct {
        Fault fault;
        bool hook;
        const wchar_t* report;
    } cases[] = {
        {Fault::Paint, false, L"画不出来."},
        {Fault::Timer, false, L"计时失败."},
        {Fault::None, true, L"钩子失败."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        reports.texts.clear();
        reports.mostOpenAtOnce = 0;
        g_hookFailures = 0;
        ui::OwnedHook hook;
        if (c.hook)
            hook = ui::OwnedHook(
                SetWindowsHookExW(WH_GETMESSAGE, FailingHook, nullptr, GetCurrentThreadId()));
        auto window = std::make_unique<FailingWindow>(application, c.fault);
        SetTimer(window->Handle(), 1, 10, nullptr);
        PumpFor(1500);
        KillTimer(window->Handle(), 1);
        hook.reset();
        EXPECT_GE(window->failures + g_hookFailures, 10) << "it kept failing";
        EXPECT_EQ(reports.texts, std::vector<std::wstring>{c.report});
        EXPECT_EQ(reports.mostOpenAtOnce, 1u) << "no report inside another";
        EXPECT_FALSE(reports.shownInsideFailingCall);
    }
    EXPECT_TRUE(reports.captioned);
    EXPECT_TRUE(reports.okOnly);
    EXPECT_TRUE(reports.stopIcon);
}

TEST_F(CallbackFailure, EachFailedCommandIsReportedAfterItsHandlerReturnedAndTheProgramGoesOn) {
    auto window = std::make_unique<FailingWindow>(application, Fault::Command);
    PostMessageW(window->Handle(), WM_COMMAND, 1, 0);
    PostMessageW(window->Handle(), WM_COMMAND, 1, 0);
    PumpUntil([&] { return reports.texts.size() == 2; }, 2000);
    EXPECT_EQ(reports.texts, (std::vector<std::wstring>{L"命令失败.", L"命令失败."}));
    EXPECT_FALSE(reports.shownInsideFailingCall);
    PostMessageW(window->Handle(), WM_COMMAND, 2, 0);
    EXPECT_TRUE(PumpUntil([&] { return window->commandsDone == 1; }));
    EXPECT_TRUE(reports.captioned);
    EXPECT_TRUE(reports.okOnly);
    EXPECT_TRUE(reports.stopIcon);
}

TEST_F(CallbackFailure, AWindowWhoseCreationFailsIsMadeAllTheSameAndTheFailureReported) {
    std::unique_ptr<FailingWindow> window;
    ASSERT_NO_THROW(window = std::make_unique<FailingWindow>(application, Fault::Creation));
    EXPECT_TRUE(IsWindow(window->Handle()));
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    PumpUntil([&] { return !reports.texts.empty(); }, 2000);
    EXPECT_EQ(reports.texts, std::vector<std::wstring>{L"创建失败."});
    EXPECT_FALSE(reports.shownInsideFailingCall);
    // The window works as any other.
    PostMessageW(window->Handle(), WM_COMMAND, 2, 0);
    EXPECT_TRUE(PumpUntil([&] { return window->commandsDone == 1; }));
}
