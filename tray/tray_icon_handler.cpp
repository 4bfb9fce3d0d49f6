#include "tray/tray_icon_handler.h"

#include "tray/tray_icon.h"

TTrayIconHandler::TTrayIconHandler() : UtilityWindow(L"TTrayIconHandler") {}

std::unique_ptr<TTrayIconHandler>& TTrayIconHandler::Slot() {
    static std::unique_ptr<TTrayIconHandler> handler;
    return handler;
}

UINT TTrayIconHandler::Add(TTrayIcon& icon) {
    std::unique_ptr<TTrayIconHandler>& handler = Slot();
    if (!handler)
        handler.reset(new TTrayIconHandler);
    const UINT id = handler->nextId_++;
    handler->icons_[id] = &icon;
    return id;
}

void TTrayIconHandler::Remove(UINT id) {
    std::unique_ptr<TTrayIconHandler>& handler = Slot();
    handler->icons_.erase(id);
    if (handler->icons_.empty())
        handler.reset();
}

LRESULT TTrayIconHandler::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kCallbackMessage:
            if (const auto found = icons_.find(static_cast<UINT>(wParam)); found != icons_.end())
                found->second->HandleNotification(static_cast<UINT>(lParam));
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
