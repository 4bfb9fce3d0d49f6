#include "real_input.h"

#include <string>

#include "lexora_app.h"

namespace {

// Runs xdotool with these arguments and waits for it; false when it could not
// be started. (Its exit code says little: a pointer motion that arrived
// reports a failure all the same; the effect is what callers check.)
bool XdoTool(const std::wstring& arguments) {
    std::wstring commandLine = L"Z:\\usr\\bin\\xdotool " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi)) {
        return false;
    }
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

}  // namespace

bool MoveTo(POINT point) {
    const std::wstring at = std::to_wstring(point.x) + L" " + std::to_wstring(point.y);
    return XdoTool(L"mousemove " + at) && WaitUntil(
                                              [&] {
                                                  POINT cursor{};
                                                  return GetCursorPos(&cursor) &&
                                                         cursor.x == point.x && cursor.y == point.y;
                                              },
                                              2000);
}

bool PressKeys(const std::wstring& names) {
    return XdoTool(L"key --delay 40 " + names);
}

namespace {

bool ClickButtonAt(POINT point, const wchar_t* button) {
    // Clicks come apart by more than the double-click time, as a user's
    // clicks on different things do; the system would join them otherwise.
    static ULONGLONG lastClick = 0;
    const ULONGLONG due = lastClick + GetDoubleClickTime() + 50;
    if (GetTickCount64() < due)
        Sleep(static_cast<DWORD>(due - GetTickCount64()));
    if (!MoveTo(point) || !XdoTool(std::wstring(L"click ") + button))
        return false;
    lastClick = GetTickCount64();
    return true;
}

}  // namespace

bool ClickAt(POINT point) {
    return ClickButtonAt(point, L"1");
}

bool RightClickAt(POINT point) {
    return ClickButtonAt(point, L"3");
}

bool DragTo(POINT from, POINT to) {
    if (!MoveTo(from) || !XdoTool(L"mousedown 1"))
        return false;
    for (int step = 1; step <= 4; ++step)
        MoveTo({from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4});
    return XdoTool(L"mouseup 1");
}

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
