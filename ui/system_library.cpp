#include "ui/system_library.h"

#include <string>

namespace ui {
namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, which older headers and systems lack.
constexpr DWORD kSearchSystem32 = 0x00000800;

using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);

}  // namespace

void LimitLibrarySearchToSystem() {
    const auto setDefaultDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesProc>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDirectories)
        setDefaultDirectories(kSearchSystem32);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (HMODULE library = LoadLibraryExW(name, nullptr, kSearchSystem32))
        return library;
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return nullptr;
    // A system that does not know the search flag: the full path names the
    // file in the system directory.
    wchar_t directory[MAX_PATH];
    const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(directory, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace ui
