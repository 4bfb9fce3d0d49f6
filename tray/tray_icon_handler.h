// The hidden window that every tray icon of the process gives the shell for
// its notifications. It exists while at least one TTrayIcon does.
#pragma once

#include <windows.h>

#include "tray/shared_handler.h"

class TTrayIcon;

class TTrayIconHandler : public SharedHandler<TTrayIconHandler, TTrayIcon, UINT> {
  public:
    // The message the shell sends: wParam names the icon, lParam is the
    // mouse or balloon notification.
    static constexpr UINT kCallbackMessage = 0x800;

  private:
    friend class TTrayIcon;
    friend class SharedHandler<TTrayIconHandler, TTrayIcon, UINT>;

    TTrayIconHandler();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
