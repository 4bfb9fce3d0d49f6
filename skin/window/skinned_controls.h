// The skinned controls of one frame: the objects the frame's hand-over
// makes from the classification of its window's controls (or, for a window
// without a widget object, of its child windows by the bare-window table),
// refreshed after a switch and detached with the frame.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/window/control_list.h"
#include "skin/window/skin_control.h"
#include "skin/window/tool_bar_drawing.h"

namespace skin::window {

// Makes the member the classification named; none for a member this
// program does not make (the control keeps its ordinary look).
std::unique_ptr<TSkinControl> MakeSkinnedControl(SkinnedControlKind member,
                                                 const ControlContext& context,
                                                 const ControlAnswer& answer = {});

class SkinnedControls {
  public:
    // `frameRunning`: whether the frame is running, which the tool bar's
    // buttons ask.
    SkinnedControls(const ControlContext& context, std::function<bool()> frameRunning);
    ~SkinnedControls();
    SkinnedControls(const SkinnedControls&) = delete;
    SkinnedControls& operator=(const SkinnedControls&) = delete;

    // Attaches an object to each classified control that has none yet,
    // taking over the objects the owner's handler supplied.
    void Take(std::vector<ClassifiedControl>& controls);
    // The same for the child windows of a window without a widget object,
    // chosen by the bare-window table.
    void TakeChildWindows(HWND parent);
    // After a switch: objects whose window is gone leave, the rest refresh.
    void Refresh();
    // The control's window was made anew: its object is made again.
    void Recreate(HWND window);
    // Every object detaches, each control getting its ordinary look back.
    void DetachAll();

    TSkinControl* Find(HWND window) const;
    std::vector<TSkinControl*> Objects() const;

  private:
    struct Entry {
        std::unique_ptr<TSkinControl> object;
        // What it was made for and as, to make it again.
        ui::TControl* control = nullptr;
        ControlAnswer answer;
    };
    void Attach(ui::TControl& control, const ControlAnswer& answer);
    void AttachSupplied(ui::TControl& control, std::unique_ptr<TSkinControl> object,
                        const ControlAnswer& answer);
    void AttachBare(HWND window, SkinnedControlKind member);
    void TakeChildWindowsOf(HWND parent, int depth);
    void Purge();

    ControlContext context_;
    std::function<bool()> frameRunning_;
    std::vector<Entry> entries_;
    std::vector<std::unique_ptr<ToolBarDrawing>> toolBars_;
};

}  // namespace skin::window
