// A hidden top-level window that is never shown and whose messages go to an
// object: what a component needs to receive timer ticks and notifications.
#pragma once

#include <windows.h>

class UtilityWindow {
  public:
    // `className` names the window class, registered on first use.
    explicit UtilityWindow(const wchar_t* className);
    virtual ~UtilityWindow();
    UtilityWindow(const UtilityWindow&) = delete;
    UtilityWindow& operator=(const UtilityWindow&) = delete;

    HWND Handle() const { return handle_; }

  protected:
    // Messages that arrive once the object is complete; the ones of the
    // window's creation get the default handling.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  private:
    static LRESULT CALLBACK Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};
