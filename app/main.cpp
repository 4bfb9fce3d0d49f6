// Lexora: opens the idiom store beside the executable and shows how many
// idioms it holds.
#include <windows.h>

#include <exception>
#include <string>

#include "store/connection_string.h"
#include "store/data_access.h"
#include "ui/wide_text.h"

namespace {

std::string ExecutableDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return Narrow(p.substr(0, p.find_last_of(L"\\/") + 1));
}

std::string StoreSummary() {
    try {
        store::DataAccess db;
        db.ConnStr = store::BuildConnStr(ExecutableDirectory());
        db.OpenIdiomQuery(store::KeywordStatement(""));
        int count = 0;
        for (; !db.Rs->eof(); db.Rs->movenext())
            ++count;
        db.CloseQuery();
        return "成语数量：" + std::to_string(count);
    } catch (const std::exception& e) {
        return e.what();
    }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TForm1";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(0, L"TForm1", L"Lexora电子版 2007", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 480, 160, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", Widen(StoreSummary()).c_str(), WS_CHILD | WS_VISIBLE, 16, 16, 440,
                    40, window, reinterpret_cast<HMENU>(1), instance, nullptr);
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
