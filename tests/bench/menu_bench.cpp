// Opening a drop-down menu of a window's menu bar under Wine, from the click
// (a left button pressed and released on the bar's first item, through the
// system's input) to the menu window painted (the menu's loop idle, which
// the owner hears as WM_ENTERIDLE): the skinned bar against the same menu
// on an unskinned window, in turns, on the first skin given.
//
//   menu_bench ARCHIVE
#include <windows.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "skin/menu_bar_band.h"
#include "skin/skin_data.h"
#include "skin/skin_store.h"
#include "skin/window/engine_messages.h"
#include "skin/window/skin_engine.h"
#include "skin/window/skin_form.h"
#include "timing.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "window_bench_support.h"

namespace {

constexpr int kRuns = 31;

// The program's bar, its first menu as long as the program's.
class MenuForm : public ui::TForm {
  public:
    explicit MenuForm(ui::TComponent& owner)
        : ui::TForm(owner, L"TMenuBenchForm", ui::TFormBorderStyle::bsSingle,
                    ui::TPosition::poScreenCenter) {
        SetCaption("Lexora电子版 2007");
        SetClientSize(400, 200);
        auto* menu = ui::Make<ui::TMainMenu>(*this);
        for (const char* caption : {"功能", "设置", "换肤", "帮助"}) {
            auto* top = ui::Make<ui::TMenuItem>(*this);
            top->SetCaption(caption);
            menu->Items->Add(top);
            const int items = menu->Items->Items().size() == 1 ? 12 : 2;
            for (int i = 0; i < items; ++i) {
                auto* item = ui::Make<ui::TMenuItem>(*this);
                item->SetCaption(i % 4 == 3 ? "-" : "清空关键词搜索记录");
                top->Add(item);
            }
        }
        SetMenu(menu);
    }
};

// When the open menu's loop first goes idle; it then closes the menu.
std::optional<LARGE_INTEGER> g_idleAt;

LRESULT CALLBACK WatchIdle(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU &&
        !g_idleAt) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        g_idleAt = now;
        EndMenu();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Click(POINT at) {
    SetCursorPos(at.x, at.y);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

// Milliseconds from the click at `at` to the menu's loop idle; none when no
// menu opened within two seconds.
std::optional<double> OpenMenuAt(POINT at) {
    Pump();
    g_idleAt.reset();
    LARGE_INTEGER frequency, start;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    Click(at);
    const ULONGLONG due = GetTickCount64() + 2000;
    while (!g_idleAt && GetTickCount64() < due) {
        Pump();
        Sleep(0);
    }
    if (!g_idleAt)
        return std::nullopt;
    // The menu has closed; let the window settle before the next run.
    Pump();
    Sleep(30);
    Pump();
    return static_cast<double>(g_idleAt->QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

// Where the pointer rests between runs, away from both bars: a hot button
// would be repainted.
constexpr POINT kRestingPoint{5, 740};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("  usage: menu_bench ARCHIVE\n");
        return 1;
    }
    ui::TApplication application;
    application.Initialize();
    skin::TSkinStore store;
    store.Store().Add().ReadDataStream(skin::MemoryStream(ReadFile(argv[1])));
    auto& engine = skin::window::SkinEngine::Instance();
    skin::TSkinData data(engine.Services([](const std::string&) {}));
    data.LoadFromStore(store, 0);
    data.SetActive(true);
    data.Loaded();
    skin::window::TSkinManager& manager = *engine.Manager();

    // The unskinned window: the manager leaves a form tagged 99 alone.
    auto* plain = ui::Make<MenuForm>(application);
    plain->Tag = 99;
    plain->Show();
    Pump();

    auto* skinned = ui::Make<MenuForm>(application);
    skinned->Show();
    Pump();
    if (!manager.FindSkinnedWindow(skinned->Handle()))
        manager.SkinWindow(skinned->Handle());
    Pump();
    const skin::window::TSkinForm* frame = manager.FindSkinnedWindow(skinned->Handle());
    if (!frame || frame->Metrics().MenuBarHeight <= 0) {
        std::printf("  the manager skinned no menu bar\n");
        return 1;
    }
    // The two windows apart, so that neither covers the other's menu.
    RECT r;
    GetWindowRect(plain->Handle(), &r);
    SetWindowPos(plain->Handle(), nullptr, r.left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT item{};
    GetMenuItemRect(plain->Handle(), GetMenu(plain->Handle()), 0, &item);
    const POINT plainButton{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    GetWindowRect(skinned->Handle(), &r);
    SetWindowPos(skinned->Handle(), nullptr, r.left, 330, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump();
    GetWindowRect(skinned->Handle(), &r);
    const skin::Rect band = frame->Metrics().MenuBand({r.right - r.left, r.bottom - r.top});
    // Inside the first button: it is at least ten pixels wide.
    const int start = skin::MenuBandStart({band, true, false}, *data.Skin());
    const POINT skinnedButton{r.left + band.left + start + 5, r.top + (band.top + band.bottom) / 2};

    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchIdle, nullptr, GetCurrentThreadId());
    // Once each unmeasured: the first click activates the window.
    SetCursorPos(kRestingPoint.x, kRestingPoint.y);
    OpenMenuAt(skinnedButton);
    SetCursorPos(kRestingPoint.x, kRestingPoint.y);
    OpenMenuAt(plainButton);
    std::vector<double> skinnedTimes, plainTimes;
    int failures = 0;
    for (int run = 0; run < kRuns; ++run) {
        SetCursorPos(kRestingPoint.x, kRestingPoint.y);
        if (const auto t = OpenMenuAt(skinnedButton))
            skinnedTimes.push_back(*t);
        else
            ++failures;
        SetCursorPos(kRestingPoint.x, kRestingPoint.y);
        if (const auto t = OpenMenuAt(plainButton))
            plainTimes.push_back(*t);
        else
            ++failures;
    }
    UnhookWindowsHookEx(hook);
    if (skinnedTimes.empty() || plainTimes.empty()) {
        std::printf("  no menu opened (%d runs failed)\n", failures);
        return 1;
    }
    const double skinnedMedian = Median(skinnedTimes), plainMedian = Median(plainTimes);
    std::printf("  a drop-down of the skinned bar, click to painted   %.2f ms (median of %zu)\n",
                skinnedMedian, skinnedTimes.size());
    std::printf("  the same menu on an unskinned window               %.2f ms (median of %zu)\n",
                plainMedian, plainTimes.size());
    std::printf("  ratio %.2f (at most 1.5)%s\n", skinnedMedian / plainMedian,
                failures ? " (some runs opened no menu)" : "");
    return 0;
}
