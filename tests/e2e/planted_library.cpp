// A library built under the name of a system library, to be planted beside a
// copy of Lexora.exe: when any process loads it, it leaves the file
// "planted-library-loaded" beside itself, and it registers no window class,
// so a program that took it for the system's library would notice.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
    std::wstring trace(path, length);
    trace.erase(trace.find_last_of(L'\\') + 1);
    trace += L"planted-library-loaded";
    HANDLE file = CreateFileW(trace.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return TRUE;
}
