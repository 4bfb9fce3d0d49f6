// The system's file-save dialog.
#pragma once

#include <windows.h>

#include <string>

#include "ui/component.h"

namespace ui {

class TSaveDialog : public TComponent {
  public:
    explicit TSaveDialog(TComponent& owner);
    std::string ClassName() const override { return "TSaveDialog"; }

    // "description|pattern", as ".rtf|*.rtf".
    std::string Filter;
    // Added to a name typed without an extension (".rtf" or "rtf").
    std::string DefaultExt;
    // The proposed name before Execute, the chosen path after it.
    std::string FileName;

    // Ask before overwriting an existing file, no read-only box, resizable.
    bool OverwritePrompt = true;

    // Shows the dialog; false when the user cancels.
    bool Execute(HWND ownerWindow);
};

}  // namespace ui
