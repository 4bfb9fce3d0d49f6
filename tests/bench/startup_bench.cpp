// Lexora.exe on the real database against a bare MinGW program that opens a
// window holding a tree view, a list box and a rich edit (bare_window.exe),
// both measured from outside, run by run, in alternating order:
//   - start-up to an idle message loop (Lexora's with the whole browse tree
//     built) against the bare program's start;
//   - the empty-keyword listing of every idiom against the bare list box's
//     fill of the same rows;
//   - one display, from a window that has finished painting, and the painting
//     that follows it (Lexora only: medians and spread);
//   - the working set after start-up.
// Every run also measures the Wine server's round trip, which tells whether
// the machine is quiet (about 5 us) or busy (about 50 us) while it runs.
//
//   startup_bench [DIR]
// DIR holds another build's Lexora.exe and IdiomDB.dll, measured beside this
// build's in the same runs (the figures before and after a change).
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bare_window_protocol.h"
#include "dictionary_window.h"
#include "lexora_app.h"
#include "server_round_trip.h"
#include "timing.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 7;
constexpr int kDisplaysPerRun = 5;
constexpr DWORD kPatienceMs = 60000;

struct Samples {
    std::vector<double> start, listing, workingSet, display, displayPainting;
};

struct Subject {
    std::string name;
    fs::path exe, database;  // empty for the bare program
    Samples samples;
};

// The visible top-level window of that class of the process, once it has
// answered a message (its message loop runs); null when none comes.
HWND WaitForIdleWindow(DWORD processId, const wchar_t* className) {
    const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
    do {
        for (HWND w = FindWindowExW(nullptr, nullptr, className, nullptr); w;
             w = FindWindowExW(nullptr, w, className, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != processId || !IsWindowVisible(w))
                continue;
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &answer);
            return w;
        }
        Sleep(1);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

double WorkingSetMegabytes(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const bool known = process && GetProcessMemoryInfo(process, &counters, sizeof counters);
    if (process)
        CloseHandle(process);
    return known ? counters.WorkingSetSize / 1048576.0 : 0;
}

fs::path BareWindowExe() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / L"bare_window.exe";
}

// Starts bare_window.exe on the rows file and measures it; false when it
// does not come up.
bool RunBare(const fs::path& rowsFile, Samples& samples) {
    const fs::path exe = BareWindowExe();
    std::wstring commandLine = L"\"" + exe.wstring() + L"\" " + rowsFile.wstring();
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    HWND window = nullptr;
    const double start = Milliseconds([&] {
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &si, &pi)) {
            return;
        }
        WaitForInputIdle(pi.hProcess, kPatienceMs);
        window = WaitForIdleWindow(pi.dwProcessId, bare::kWindowClass);
    });
    if (!pi.hProcess)
        return false;
    CloseHandle(pi.hThread);
    bool ok = window != nullptr;
    if (ok) {
        samples.start.push_back(start);
        samples.workingSet.push_back(WorkingSetMegabytes(pi.dwProcessId));
        const LRESULT rows = SendMessageW(window, bare::kLoadRows, 0, 0);
        LRESULT filled = 0;
        samples.listing.push_back(
            Milliseconds([&] { filled = SendMessageW(window, bare::kFillList, 0, 0); }));
        ok = rows > 0 && filled == rows;
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(pi.hProcess, kPatienceMs) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    return ok;
}

// Lets the window finish its painting: a message sent to it waits for any
// paint under way, the redraw paints whatever is still invalid (through
// messages sent one by one), and a second message waits for a paint the
// window began on its own in the meantime.
void Settle(HWND window) {
    SendMessageW(window, WM_NULL, 0, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageW(window, WM_NULL, 0, 0);
}

// Picks row `row` of the result list the way a click does and measures the
// display, then the painting of what it changed.
void Display(DictionaryWindow& ui, int row, Samples& samples) {
    SendMessageW(ui.resultList, LB_SETCURSEL, row, 0);
    // Scrolling the list to a far row repaints the whole list; without this
    // the display's message waits behind that paint in most displays.
    Settle(ui.window);
    const WPARAM selected = MAKEWPARAM(GetDlgCtrlID(ui.resultList), LBN_SELCHANGE);
    samples.display.push_back(Milliseconds([&] {
        SendMessageW(GetParent(ui.resultList), WM_COMMAND, selected,
                     reinterpret_cast<LPARAM>(ui.resultList));
    }));
    samples.displayPainting.push_back(Milliseconds([&] { Settle(ui.window); }));
}

// Starts a Lexora.exe and measures it; false when it does not come up or
// does not list every idiom.
bool RunLexora(Subject& subject, int run, LRESULT idioms) {
    LexoraApp app(subject.exe, subject.database);
    HWND window = nullptr;
    const double start = Milliseconds([&] {
        app.Start();
        window = WaitForIdleWindow(app.ProcessId(), L"TForm1");
    });
    if (!window)
        return false;
    Samples& samples = subject.samples;
    samples.start.push_back(start);
    samples.workingSet.push_back(WorkingSetMegabytes(app.ProcessId()));
    DictionaryWindow ui(app, window);
    samples.listing.push_back(Milliseconds([&] { ui.Press(ui.keywordButton); }));
    const bool listed = SendMessageW(ui.resultList, LB_GETCOUNT, 0, 0) == idioms;
    for (int k = 0; listed && k < kDisplaysPerRun; ++k) {
        const int row = static_cast<int>((7919LL * (run * kDisplaysPerRun + k + 1)) % idioms);
        Display(ui, row, samples);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    app.WaitForExit(kPatienceMs);
    return listed;
}

// A first start of this build's Lexora.exe, not measured: it warms the file
// caches and gives the rows of the listing (written to `rowsFile` for the
// bare program) and the number of nodes in the browse tree.
bool WarmUp(const Subject& lexora, const fs::path& rowsFile, LRESULT& idioms, size_t& treeNodes) {
    LexoraApp app(lexora.exe, lexora.database);
    app.Start();
    HWND window = WaitForIdleWindow(app.ProcessId(), L"TForm1");
    if (!window)
        return false;
    DictionaryWindow ui(app, window);
    treeNodes = 0;
    for (HTREEITEM letter : ui.TreeChildren(nullptr))
        treeNodes += ui.TreeChildren(letter).size();
    ui.Press(ui.keywordButton);
    const std::vector<std::wstring> rows = ui.Results();
    idioms = static_cast<LRESULT>(rows.size());
    std::ofstream out(rowsFile, std::ios::binary);
    for (const std::wstring& row : rows) {
        for (wchar_t c : row + L"\n")
            out.put(static_cast<char>(c & 0xFF)).put(static_cast<char>(c >> 8));
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    app.WaitForExit(kPatienceMs);
    return out.good() && idioms > 0;
}

// The median of the ratios of each run's two figures.
double MedianRatio(const std::vector<double>& over, const std::vector<double>& under) {
    std::vector<double> ratios;
    for (size_t i = 0; i < over.size() && i < under.size(); ++i)
        ratios.push_back(over[i] / under[i]);
    return ratios.empty() ? 0 : Median(ratios);
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(q * (values.size() - 1) + 0.5)];
}

void PrintFigures(const std::vector<Subject>& subjects, const std::vector<double>& roundTrips,
                  LRESULT idioms, size_t treeNodes) {
    const double roundTrip = Median(roundTrips);
    std::printf("  Wine server round trip: %.1f us (median of %zu runs, %.1f to %.1f us): %s\n",
                roundTrip, roundTrips.size(), Quantile(roundTrips, 0), Quantile(roundTrips, 1),
                Regime(roundTrip));
    std::printf("  idioms listed / in the browse tree: %ld / %zu\n", static_cast<long>(idioms),
                treeNodes);
    const Samples& bare = subjects[0].samples;
    std::printf("  %-38s", "");
    for (const Subject& s : subjects)
        std::printf("%16s", s.name.c_str());
    std::printf("\n");
    const struct {
        const char* label;
        std::vector<double> Samples::*figure;
        const char* unit;
        const char* target;
    } rows[] = {
        {"start to an idle loop (tree built)", &Samples::start, "ms", "at most 2.5x"},
        {"empty-keyword listing / list box fill", &Samples::listing, "ms", "at most 3x"},
        {"working set after start-up", &Samples::workingSet, "MB", "at most 40 MB"},
    };
    for (const auto& row : rows) {
        std::printf("  %-38s", row.label);
        for (const Subject& s : subjects)
            std::printf("%13.1f %s", Median(s.samples.*row.figure), row.unit);
        std::printf("\n");
        if (row.figure == &Samples::workingSet) {
            std::printf("  %-38s%16s", "", "");
            for (size_t i = 1; i < subjects.size(); ++i) {
                const double mb = Median(subjects[i].samples.workingSet);
                std::printf("%16s", mb <= 40 ? "holds" : "misses");
            }
            std::printf("   (%s)\n", row.target);
            continue;
        }
        std::printf("  %-38s%16s", "  ratio to the bare program, per run", "");
        for (size_t i = 1; i < subjects.size(); ++i)
            std::printf("%15.2fx", MedianRatio(subjects[i].samples.*row.figure, bare.*row.figure));
        std::printf("   (%s)\n", row.target);
    }
    for (size_t i = 1; i < subjects.size(); ++i) {
        const std::vector<double>& d = subjects[i].samples.display;
        std::printf(
            "  one display, %s: median %.1f ms, middle half %.1f to %.1f ms, all %.1f to %.1f ms "
            "(%zu displays; at most 5 ms on a quiet machine)\n",
            subjects[i].name.c_str(), Median(d), Quantile(d, 0.25), Quantile(d, 0.75),
            Quantile(d, 0), Quantile(d, 1), d.size());
        const std::vector<double>& p = subjects[i].samples.displayPainting;
        std::printf(
            "    then painting what it changed: median %.1f ms, middle half %.1f to %.1f ms\n",
            Median(p), Quantile(p, 0.25), Quantile(p, 0.75));
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Subject> subjects = {
        {"bare program", {}, {}, {}},
        {"Lexora.exe", LEXORA_EXE, LEXORA_FULL_DB, {}},
    };
    if (argc > 1) {
        const fs::path other = argv[1];
        subjects.push_back({"other build", other / L"Lexora.exe", other / L"IdiomDB.dll", {}});
    }
    const fs::path rowsFile = fs::temp_directory_path() /
                              (L"lexora-bench-rows-" + std::to_wstring(GetCurrentProcessId()));
    LRESULT idioms = 0;
    size_t treeNodes = 0;
    if (!WarmUp(subjects[1], rowsFile, idioms, treeNodes)) {
        std::printf("  Lexora.exe did not come up and list its idioms\n");
        return 1;
    }
    std::vector<double> roundTrips;
    for (int run = 0; run < kRuns; ++run) {
        roundTrips.push_back(ServerRoundTripMicroseconds());
        // Each run starts with another program, so that none is always first.
        for (size_t k = 0; k < subjects.size(); ++k) {
            Subject& subject = subjects[(run + k) % subjects.size()];
            const bool ok = subject.exe.empty() ? RunBare(rowsFile, subject.samples)
                                                : RunLexora(subject, run, idioms);
            if (!ok) {
                std::printf("  %s did not come up or did not list every idiom\n",
                            subject.name.c_str());
                return 1;
            }
        }
    }
    fs::remove(rowsFile);
    PrintFigures(subjects, roundTrips, idioms, treeNodes);
    return 0;
}
