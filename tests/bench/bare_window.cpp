// A bare MinGW program for the start-up benchmark: one window holding a tree
// view, a list box and a rich edit, nothing else. Lexora.exe's start and its
// listing are measured against this program's start and its list box fill.
//
//   bare_window ROWS_FILE   (UTF-16LE text, one row a line)
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bare_window_protocol.h"

namespace {

struct BareWindow {
    HWND tree = nullptr;
    HWND list = nullptr;
    std::wstring rowsFile;
    std::vector<std::wstring> rows;
};

BareWindow g_window;

std::vector<std::wstring> ReadRows(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    std::wstring text(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    std::vector<std::wstring> rows;
    size_t start = 0;
    for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        rows.push_back(text.substr(start, end - start));
    return rows;
}

LRESULT FillList(HWND list, const std::vector<std::wstring>& rows) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    SendMessageW(list, LB_INITSTORAGE, rows.size(), rows.size() * 16);
    for (const std::wstring& row : rows)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    return SendMessageW(list, LB_GETCOUNT, 0, 0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE: {
            const HINSTANCE instance = GetModuleHandleW(nullptr);
            g_window.tree = CreateWindowExW(
                WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 8, 64, 145,
                409, window, nullptr, instance, nullptr);
            g_window.list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 184,
                                            176, 177, 297, window, nullptr, instance, nullptr);
            CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 384,
                            64, 361, 289, window, nullptr, instance, nullptr);
            return 0;
        }
        case bare::kLoadRows:
            g_window.rows = ReadRows(g_window.rowsFile);
            return static_cast<LRESULT>(g_window.rows.size());
        case bare::kFillList:
            return FillList(g_window.list, g_window.rows);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryW(L"Msftedit.dll");
    g_window.rowsFile = commandLine;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = bare::kWindowClass;
    RegisterClassExW(&wc);
    RECT frame{0, 0, 762, 502};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExW(0, bare::kWindowClass, L"Bare window", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
