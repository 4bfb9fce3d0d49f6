// The owner's OnSkinControl handler: asked for each control of a skinned
// form before the class map and the built-in table, it may supply a
// skinned-control object of its own for the control, which the frame then
// attaches (unless the handler attached it already) and owns.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "skin/skin_data.h"
#include "ui/control.h"

namespace skin {
namespace window {
class TSkinControl;
class TSkinForm;
}  // namespace window

struct SkinControlEvent {
    window::TSkinForm& Sender;
    TSkinData& Data;
    ui::TControl& Form;
    ui::TControl& Control;
    // The control's class name in upper case.
    std::string UpperClassName;
};

struct SkinControlHandler {
    // Leaves `result` empty for a control the classification is to decide.
    std::function<void(const SkinControlEvent& event,
                       std::unique_ptr<window::TSkinControl>& result)>
        Handle;
};

}  // namespace skin
