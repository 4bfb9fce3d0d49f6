#include "desktop_input.h"

#include <windows.h>

#include <sstream>
#include <stdexcept>

namespace desktop {
namespace {

// Runs xdotool, a program of the host system that Wine starts as it is.
void XdoTool(const std::string& arguments) {
    std::wstring commandLine = L"/usr/bin/xdotool ";
    for (const char c : arguments)
        commandLine += static_cast<wchar_t>(c);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi)) {
        throw std::runtime_error("xdotool does not start");
    }
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // The events reach the program through the X server and Wine's desktop.
    Sleep(80);
}

std::string Point(int x, int y) {
    std::ostringstream s;
    s << x << ' ' << y;
    return s.str();
}

}  // namespace

void Click(int x, int y) {
    XdoTool("mousemove --sync " + Point(x, y) + " click 1");
}

void MoveTo(int x, int y) {
    XdoTool("mousemove --sync " + Point(x, y));
}

void Keys(const std::string& names) {
    XdoTool("key --delay 40 " + names);
}

}  // namespace desktop
