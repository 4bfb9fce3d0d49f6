#include "ui/print_dialog.h"

#include <cderr.h>

#include <stdexcept>
#include <string>

#include "ui/common_dialogs.h"

namespace ui {

TPrintDialog::TPrintDialog(TComponent& owner) : TComponent(&owner) {}

namespace {

// Whether the system has a printer to offer; asked without showing anything,
// so that a missing printer is reported once, by the program.
bool HasDefaultPrinter() {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    const BOOL found = PrintDialogBox(pd);
    if (pd.hDevMode)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames)
        GlobalFree(pd.hDevNames);
    return found;
}

}  // namespace

PrinterDC TPrintDialog::Execute(HWND ownerWindow) {
    if (!HasDefaultPrinter())
        throw std::runtime_error("没有安装打印机，无法打印");
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = ownerWindow;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    pd.nCopies = 1;
    const BOOL chosen = PrintDialogBox(pd);
    if (pd.hDevMode)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames)
        GlobalFree(pd.hDevNames);
    if (chosen) {
        if (!pd.hDC)
            throw std::runtime_error("所选的打印机无法使用");
        return PrinterDC(pd.hDC);
    }
    switch (CommonDialogError()) {
        case 0:
            return PrinterDC();
        case PDERR_NODEFAULTPRN:
        case PDERR_NODEVICES:
            throw std::runtime_error("没有安装打印机，无法打印");
        case PDERR_PRINTERNOTFOUND:
        case PDERR_CREATEICFAILURE:
            throw std::runtime_error("所选的打印机无法使用");
        default:
            throw std::runtime_error("打印对话框出错（代码 " + std::to_string(CommonDialogError()) +
                                     "）");
    }
}

}  // namespace ui
