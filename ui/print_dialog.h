// The system's print dialog: printer choice and number of copies.
#pragma once

#include <windows.h>

#include "ui/component.h"

namespace ui {

// A printer device context, deleted when it goes.
class PrinterDC {
  public:
    PrinterDC() = default;
    explicit PrinterDC(HDC dc) : dc_(dc) {}
    ~PrinterDC() {
        if (dc_)
            DeleteDC(dc_);
    }
    PrinterDC(PrinterDC&& o) noexcept : dc_(o.dc_) { o.dc_ = nullptr; }
    PrinterDC& operator=(PrinterDC&&) = delete;
    PrinterDC(const PrinterDC&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_ = nullptr;
};

class TPrintDialog : public TComponent {
  public:
    explicit TPrintDialog(TComponent& owner);
    std::string ClassName() const override { return "TPrintDialog"; }

    // Shows the dialog and answers the chosen printer's device context, or
    // an empty one when the user cancels. Throws when there is no printer to
    // choose or the chosen one cannot be used.
    PrinterDC Execute(HWND ownerWindow);
};

}  // namespace ui
