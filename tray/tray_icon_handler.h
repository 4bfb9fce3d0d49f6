// The hidden window that every tray icon of the process gives the shell for
// its notifications. It exists while at least one TTrayIcon does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>

#include "tray/utility_window.h"

class TTrayIcon;

class TTrayIconHandler : public UtilityWindow {
  public:
    // The message the shell sends: wParam names the icon, lParam is the
    // mouse or balloon notification.
    static constexpr UINT kCallbackMessage = 0x800;

    // Nothing while no tray icon exists.
    static TTrayIconHandler* Instance() { return Slot().get(); }
    // The live tray icons.
    uint32_t RefCount() const { return static_cast<uint32_t>(icons_.size()); }

  private:
    friend class TTrayIcon;

    TTrayIconHandler();
    static std::unique_ptr<TTrayIconHandler>& Slot();
    // Counts the icon and gives it the identifier it shows the shell. A
    // notification finds its icon by that identifier, so one that names no
    // live icon (sent by anyone) does nothing.
    static UINT Add(TTrayIcon& icon);
    static void Remove(UINT id);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::map<UINT, TTrayIcon*> icons_;
    UINT nextId_ = 1;
};
