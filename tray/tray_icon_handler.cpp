#include "tray/tray_icon_handler.h"

#include "tray/tray_icon.h"

TTrayIconHandler::TTrayIconHandler() : SharedHandler(L"TTrayIconHandler") {}

LRESULT TTrayIconHandler::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kCallbackMessage:
            if (TTrayIcon* icon = Find(static_cast<UINT>(wParam)))
                icon->HandleNotification(static_cast<UINT>(lParam));
            return 0;
        // The window lives as long as a tray icon does, whoever asks it to go.
        case WM_DESTROY:
        case WM_CLOSE:
        case WM_QUERYENDSESSION:
        case WM_QUIT:
        case WM_ENDSESSION:
        case WM_NCDESTROY:
            return 1;
    }
    return DefWindowProcW(Handle(), message, wParam, lParam);
}
