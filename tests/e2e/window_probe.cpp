// Waits for a visible top-level window with the given caption and prints its
// rectangle on the screen as "left top width height" (for screenshots).
//
//   window_probe CAPTION [TIMEOUT_MS]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: window_probe CAPTION [TIMEOUT_MS]\n");
        return 2;
    }
    const DWORD timeout = argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 20000;
    const ULONGLONG deadline = GetTickCount64() + timeout;
    while (GetTickCount64() < deadline) {
        HWND window = FindWindowW(nullptr, argv[1]);
        if (window && IsWindowVisible(window)) {
            RECT r;
            GetWindowRect(window, &r);
            std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
            return 0;
        }
        Sleep(20);
    }
    return 1;
}
