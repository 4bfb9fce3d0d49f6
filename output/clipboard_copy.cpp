#include "output/clipboard_copy.h"

#include <windows.h>

#include <stdexcept>

namespace output {
namespace {

void EmptyTheClipboard(HWND owner) {
    if (!OpenClipboard(owner))
        throw std::runtime_error("无法打开剪贴板");
    EmptyClipboard();
    CloseClipboard();
}

}  // namespace

void CopySelection(ui::TRichEdit& view) {
    EmptyTheClipboard(view.Handle());
    // Some rich edit controls copy an empty selection as empty text in all
    // their formats; the clipboard is to stay empty then.
    if (view.SelectionLength() > 0)
        view.CopyToClipboard();
}

void CopyEverything(ui::TRichEdit& view) {
    EmptyTheClipboard(view.Handle());
    view.SelectAll();
    view.CopyToClipboard();
    view.SetSelection(0, 0);
    SendMessageW(view.Handle(), EM_SCROLLCARET, 0, 0);
}

}  // namespace output
