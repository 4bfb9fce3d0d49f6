#include "lexora_app.h"

#include <atomic>

namespace {

std::filesystem::path DatabaseFile(Database database) {
    switch (database) {
        case Database::Fixture:
            return LEXORA_FIXTURE_DB;
        case Database::Full:
            return LEXORA_FULL_DB;
        case Database::None:
            break;
    }
    return {};
}

struct Search {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    wchar_t cls[256];
    GetClassNameW(window, cls, 256);
    if (search->className && wcscmp(cls, search->className) != 0)
        return TRUE;
    if (search->caption && WindowText(window) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

LexoraApp::LexoraApp(Database database) : LexoraApp(LEXORA_EXE, DatabaseFile(database)) {}

LexoraApp::LexoraApp(const std::filesystem::path& exe, const std::filesystem::path& database) {
    static std::atomic<int> counter{0};
    // An earlier test process with the same id may have left its directory
    // behind, with a file still held open or read-only: then the next name.
    std::error_code ec;
    do {
        dir_ = std::filesystem::temp_directory_path() /
               (L"lexora-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(counter++));
        std::filesystem::remove_all(dir_, ec);
    } while (std::filesystem::exists(dir_));
    std::filesystem::create_directories(dir_);
    std::filesystem::copy_file(exe, dir_ / L"Lexora.exe");
    if (!database.empty())
        std::filesystem::copy_file(database, dir_ / L"IdiomDB.dll");
}

LexoraApp::~LexoraApp() {
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void LexoraApp::Start(const std::wstring& arguments) {
    const std::wstring exe = (dir_ / L"Lexora.exe").wstring();
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir_.wstring().c_str(), &si, &pi)) {
        return;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    processId_ = pi.dwProcessId;
    WaitForInputIdle(process_, 10000);
}

HWND LexoraApp::WaitForWindow(const wchar_t* className, const wchar_t* caption,
                              DWORD timeoutMs) const {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        Search search{processId_, className, caption, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(20);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

DWORD LexoraApp::WaitForExit(DWORD timeoutMs) const {
    if (!process_)
        return 0;
    WaitForSingleObject(process_, timeoutMs);
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

std::wstring WindowText(HWND window) {
    const LRESULT n = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(n));
    return text;
}

namespace {

struct ChildSearch {
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    wchar_t cls[256];
    GetClassNameW(window, cls, 256);
    if (!search->className || wcscmp(cls, search->className) == 0)
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> ChildWindows(HWND parent, const wchar_t* className) {
    ChildSearch search{className, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildWindow(HWND parent, const wchar_t* className, const std::wstring& text) {
    for (HWND w : ChildWindows(parent, className)) {
        if (WindowText(w) == text)
            return w;
    }
    return nullptr;
}

RECT RectInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HMENU MenuBar(HWND window) {
    if (HMENU menu = GetMenu(window))
        return menu;
    return reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
}

HWND WaitForMessageBox(DWORD processId, const std::wstring& caption, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", caption.c_str()); w;
             w = FindWindowExW(nullptr, w, L"#32770", caption.c_str())) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == processId && IsWindowVisible(w))
                return w;
        }
        Sleep(20);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

void DismissMessageBox(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok)
        ok = GetDlgItem(box, IDCANCEL);
    PostMessageW(ok, BM_CLICK, 0, 0);
    for (int i = 0; i < 500 && IsWindow(box) && IsWindowVisible(box); ++i)
        Sleep(10);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > deadline)
            return false;
        Sleep(10);
    }
    return true;
}
