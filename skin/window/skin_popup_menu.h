// A menu window ("#32768") in the skin: its border and the background under
// its items come from the skin's MenuBackground picture. The items draw
// themselves on the same picture (see TSkinForm's menu items), so border
// and items meet without a seam.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/geometry.h"
#include "skin/skin_data.h"
#include "ui/window_subclass.h"

namespace skin::window {

class TSkinManager;

class TSkinPopupMenu {
  public:
    TSkinPopupMenu(HWND menuWindow, TSkinData& data, const SystemLook& look);
    TSkinPopupMenu(const TSkinPopupMenu&) = delete;
    TSkinPopupMenu& operator=(const TSkinPopupMenu&) = delete;

    HWND Handle() const { return window_; }
    bool Destroyed() const { return destroyed_; }
    // The window's picture (its border and the background under the items)
    // and where its client area starts in it; none when the skin has no
    // MenuBackground picture.
    const Bitmap* Background();
    Point ClientOrigin() const { return clientOrigin_; }

  private:
    void OnMessage(ui::TMessage& m, const ui::NextHandler& next);
    // The border strips, on the window's own device context: where the
    // system frames the window, in its non-client area or inside its client
    // area.
    void PaintBorder();

    HWND window_;
    TSkinData& data_;
    const SystemLook& look_;
    SkinSnapshot skin_;
    Bitmap background_;
    Point clientOrigin_;
    bool destroyed_ = false;
    std::unique_ptr<ui::WindowSubclass> subclass_;
};

}  // namespace skin::window
