// The frame's drawing of a tool bar of its window, through the bar's custom
// draw: the skin's gradient behind the bar (unless the skin data's Options
// keep the bar's own background) and the Buttons picture's face under each
// button, over which the bar then draws the button's image and caption.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "skin/skin_data.h"
#include "skin/system_look.h"
#include "ui/control.h"
#include "ui/handler_chain.h"

namespace skin::window {

class ToolBarDrawing {
  public:
    // `running`: whether the frame is running, asked at each button.
    ToolBarDrawing(ui::TControl& toolBar, TSkinData& data, const SystemLook& look,
                   std::function<bool()> running);
    ToolBarDrawing(const ToolBarDrawing&) = delete;
    ToolBarDrawing& operator=(const ToolBarDrawing&) = delete;

    HWND Window() const { return window_; }

  private:
    void OnMessage(ui::TMessage& m, const ui::NextHandler& next);
    LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);

    HWND window_;
    TSkinData& data_;
    const SystemLook& look_;
    std::function<bool()> running_;
    ui::HandlerLink link_;
};

}  // namespace skin::window
