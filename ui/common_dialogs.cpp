#include "ui/common_dialogs.h"

#include <stdexcept>
#include <string>

#include "ui/system_library.h"

namespace ui {
namespace {

HMODULE CommonDialogLibrary() {
    static const HMODULE library = [] {
        const HMODULE loaded = LoadSystemLibrary(L"comdlg32.dll");
        if (!loaded)
            throw std::runtime_error("无法载入系统的通用对话框（comdlg32.dll）");
        return loaded;
    }();
    return library;
}

template <typename Function>
Function* Entry(const char* name) {
    const FARPROC entry = GetProcAddress(CommonDialogLibrary(), name);
    if (!entry)
        throw std::runtime_error(std::string("系统的通用对话框中没有 ") + name);
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(entry));
}

}  // namespace

BOOL PrintDialogBox(PRINTDLGW& dialog) {
    static auto* const printDlg = Entry<decltype(PrintDlgW)>("PrintDlgW");
    return printDlg(&dialog);
}

BOOL SaveFileDialogBox(OPENFILENAMEW& dialog) {
    static auto* const getSaveFileName = Entry<decltype(GetSaveFileNameW)>("GetSaveFileNameW");
    return getSaveFileName(&dialog);
}

DWORD CommonDialogError() {
    static auto* const extendedError =
        Entry<decltype(CommDlgExtendedError)>("CommDlgExtendedError");
    return extendedError();
}

}  // namespace ui
