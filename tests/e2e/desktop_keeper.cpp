// Keeps the test session's desktop in use for as long as it runs.
//
//   desktop_keeper READY_FILE
//
// Wine's desktop process (explorer.exe) ends a second after the last program
// using the desktop has ended, and the next program to make a window starts
// it again, with that program's output. A test whose output CTest reads
// through a pipe then waits for the desktop process to end, which the tests
// after it keep from happening, until its time runs out. Started first by
// scripts/with-display with its output sent elsewhere, this program starts
// the desktop process with that output too, writes READY_FILE once the
// desktop is there and waits until the session's end ends it.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    // Asking for the desktop's window connects this thread to the desktop and
    // returns once the desktop process has made it.
    if (!GetDesktopWindow())
        return 1;
    const HANDLE ready = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
