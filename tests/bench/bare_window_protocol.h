// How the start-up benchmark drives bare_window.exe, the plain Win32 program
// that Lexora.exe is measured against.
#pragma once

#include <windows.h>

namespace bare {

// The class of the bare program's main window.
inline constexpr const wchar_t* kWindowClass = L"BareBenchWindow";

enum : UINT {
    // Reads the rows file named on the command line into memory; answers the
    // number of rows.
    kLoadRows = WM_APP + 1,
    // Fills the list box with the rows read, the way a plain program fills a
    // long list (redraw off meanwhile); answers the number of rows.
    kFillList = WM_APP + 2,
};

}  // namespace bare
