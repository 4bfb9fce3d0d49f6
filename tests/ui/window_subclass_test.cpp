// The handler chain over a bare window's procedure, under Wine: links put in
// front of a window that has no widget object, taken out in any order.
#include "ui/window_subclass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

std::string g_trace;

LRESULT CALLBACK OwnProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP) {
        g_trace += "own";
        return 7;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND BareWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BareSubclassTestWindow";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

std::unique_ptr<ui::WindowSubclass> Link(HWND window, char name) {
    return std::make_unique<ui::WindowSubclass>(
        window, [name](ui::TMessage& m, const ui::NextHandler& next) {
            if (m.Msg == WM_APP)
                g_trace += name;
            next(m);
        });
}

std::string Send(HWND window) {
    g_trace.clear();
    EXPECT_EQ(SendMessageW(window, WM_APP, 0, 0), 7);
    return g_trace;
}

TEST(WindowSubclass, LinksLeaveInAnyOrderAndTheWindowGetsItsProcedureBack) {
    const HWND window = BareWindow();
    const LONG_PTR own = GetWindowLongPtrW(window, GWLP_WNDPROC);
    const std::array<char, 3> names{'A', 'B', 'C'};
    std::array<int, 3> order{0, 1, 2};
    do {
        std::array<std::unique_ptr<ui::WindowSubclass>, 3> links;
        for (int i = 0; i < 3; ++i)
            links[i] = Link(window, names[i]);
        EXPECT_EQ(Send(window), "CBAown");
        for (int step = 0; step < 3; ++step) {
            links[order[step]].reset();
            std::string expected;
            for (int i = 2; i >= 0; --i) {
                if (links[i])
                    expected += names[i];
            }
            EXPECT_EQ(Send(window), expected + "own") << "step " << step;
        }
        EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), own);
    } while (std::next_permutation(order.begin(), order.end()));
    DestroyWindow(window);
}

// Someone else subclassed the window after us: our procedure stays in
// place, handing every message on, so that theirs still finds it.
WNDPROC g_theirsSaved = nullptr;
LRESULT CALLBACK Theirs(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP)
        g_trace += "T";
    return CallWindowProcW(g_theirsSaved, window, msg, wParam, lParam);
}

TEST(WindowSubclass, AProcedureInstalledAfterOursKeepsWorking) {
    const HWND window = BareWindow();
    auto a = Link(window, 'A');
    g_theirsSaved = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Theirs)));
    EXPECT_EQ(Send(window), "TAown");
    a.reset();
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Theirs));
    EXPECT_EQ(Send(window), "Town");
    auto b = Link(window, 'B');
    EXPECT_EQ(Send(window), "TBown") << "the chain is still there for new links";
    DestroyWindow(window);
    b.reset();  // the window is gone: nothing to give back
}

TEST(WindowSubclass, LinksOutlivingTheirWindowAreHarmless) {
    const HWND window = BareWindow();
    auto a = Link(window, 'A');
    auto b = Link(window, 'B');
    DestroyWindow(window);
    a.reset();
    const HWND next = BareWindow();  // may reuse the handle
    auto c = Link(next, 'C');
    b.reset();
    EXPECT_EQ(Send(next), "Cown");
    DestroyWindow(next);
}

}  // namespace
