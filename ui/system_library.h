// Libraries of the system come from the system directory only: a file of the
// same name beside the executable (a portable program often lives in a
// downloads folder) or in the current directory is never loaded instead.
#pragma once

#include <windows.h>

namespace ui {

// From now on, every library the process loads by name is searched for in
// the system directory alone. Call first thing at start; on a system that
// cannot restrict the search, nothing changes.
void LimitLibrarySearchToSystem();

// Loads a library of the system from the system directory; null when it is
// not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace ui
