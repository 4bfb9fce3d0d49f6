// Minimising the main window with a real click on its minimise button while
// "最小化时到托盘区" is off (tray_settings_test.cpp has it on).
#include <gtest/gtest.h>
#include <windows.h>

#include "real_input.h"
#include "running_program.h"
#include "skinned_frame.h"

namespace {

// The button of Wine's task bar that stands for a window (its identifier is
// the window's handle).
HWND TaskBarButton(HWND window) {
    for (HWND button : ChildWindows(FindWindowW(L"Shell_TrayWnd", nullptr), L"Button")) {
        if (IsWindowVisible(button) &&
            GetWindowLongPtrW(button, GWLP_ID) == reinterpret_cast<LONG_PTR>(window))
            return button;
    }
    return nullptr;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Clicks the minimise button of the main window's skinned frame (the first
// skin's, which the first start puts on) once the window is in front.
bool ClickMinimise(HWND window) {
    if (!WaitUntil([&] { return GetForegroundWindow() == window; }))
        return false;
    FrameShape shape = MainWindowShape();
    shape.maximised = IsZoomed(window) != FALSE;
    const RECT r = WindowRect(window);
    FrameLayout layout;
    ComposeFrame(LoadProgramSkin(0), shape, {r.right - r.left, r.bottom - r.top}, true, &layout);
    const skin::Rect button = layout.CaptionButton(2);
    return ClickAt(
        {r.left + (button.left + button.right) / 2, r.top + (button.top + button.bottom) / 2});
}

}  // namespace

TEST(Minimise, TheWindowLeavesTheScreenAndComesBackFromTheTaskBarAsItWas) {
    RunningProgram program;
    program.WriteIni(L"[Setup]\r\nTrayIcon=1\r\nMin=0\r\n");
    ASSERT_TRUE(program.Start());
    const HWND main = program.Main();
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        if (maximised) {
            const RECT normal = WindowRect(main);
            PostMessageW(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            ASSERT_TRUE(
                WaitUntil([&] { return IsZoomed(main) && !SameRect(WindowRect(main), normal); }));
        }
        const RECT before = WindowRect(main);
        ASSERT_TRUE(ClickMinimise(main));
        EXPECT_TRUE(WaitUntil(
            [&] { return !IsWindowVisible(main) && IsIconic(program.ApplicationWindow()); }));
        HWND button = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] { return (button = TaskBarButton(program.ApplicationWindow())) != nullptr; }));

        ASSERT_TRUE(ClickAt(CentreOf(button)));
        EXPECT_TRUE(WaitUntil(
            [&] { return IsWindowVisible(main) && !IsIconic(program.ApplicationWindow()); }));
        EXPECT_TRUE(SameRect(WindowRect(main), before));
        EXPECT_EQ(IsZoomed(main) != FALSE, maximised);
        EXPECT_FALSE(IsIconic(main));
    }
    EXPECT_EQ(program.Close(), 0u);
}
