// Lexora.exe on the real database, measured from outside: start-up to an
// idle message loop (with the whole browse tree built), the empty-keyword
// search that lists every idiom, one display, and the working set.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "timing.h"

int main() {
    constexpr int kRuns = 7;
    std::vector<double> startups, searches, displays;
    SIZE_T workingSet = 0, peak = 0;
    LRESULT idioms = 0;
    size_t treeNodes = 0;
    for (int i = 0; i < kRuns; ++i) {
        LexoraApp app(Database::Full);
        HWND window = nullptr;
        startups.push_back(Milliseconds([&] {
            app.Start();  // returns when the message loop waits for input
            window = app.WaitForWindow(L"TForm1", L"Lexora电子版 2007");
        }));
        if (!window) {
            std::printf("  the main window did not show\n");
            return 1;
        }
        DictionaryWindow ui(app, window);
        HANDLE process =
            OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, app.ProcessId());
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
            workingSet = counters.WorkingSetSize;
            peak = counters.PeakWorkingSetSize;
        }
        CloseHandle(process);
        if (i == 0) {
            for (HTREEITEM letter : ui.TreeChildren(nullptr))
                treeNodes += ui.TreeChildren(letter).size();
        }
        searches.push_back(Milliseconds([&] { ui.Press(ui.keywordButton); }));
        idioms = SendMessageW(ui.resultList, LB_GETCOUNT, 0, 0);
        SendMessageW(ui.resultList, LB_SETCURSEL, 4000 + i, 0);
        const WPARAM selected = MAKEWPARAM(GetDlgCtrlID(ui.resultList), LBN_SELCHANGE);
        displays.push_back(Milliseconds([&] {
            SendMessageW(GetParent(ui.resultList), WM_COMMAND, selected,
                         reinterpret_cast<LPARAM>(ui.resultList));
        }));
        PostMessageW(window, WM_CLOSE, 0, 0);
        app.WaitForExit();
    }
    std::printf("  idioms listed / in the browse tree               %ld / %zu\n",
                static_cast<long>(idioms), treeNodes);
    std::printf("  start-up to an idle loop, whole tree built       %.0f ms (median of %d)\n",
                Median(startups), kRuns);
    std::printf("  empty-keyword search filling the list            %.0f ms\n", Median(searches));
    std::printf("  one display                                      %.1f ms\n", Median(displays));
    std::printf("  working set after start-up                       %.1f MB (peak %.1f MB)\n",
                workingSet / 1048576.0, peak / 1048576.0);
    return 0;
}
