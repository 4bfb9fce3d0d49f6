// The system's print and save dialogs, from their library loaded on their
// first use: the library brings the whole printing system into memory with
// it, which the program needs only once the user prints or saves.
#pragma once

#include <windows.h>

#include <commdlg.h>

namespace ui {

// As PrintDlgW, GetSaveFileNameW and CommDlgExtendedError. Throw
// std::runtime_error when the library or the function cannot be found.
BOOL PrintDialogBox(PRINTDLGW& dialog);
BOOL SaveFileDialogBox(OPENFILENAMEW& dialog);
DWORD CommonDialogError();

}  // namespace ui
