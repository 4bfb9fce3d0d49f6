#include "ui/icon.h"

namespace ui {

void TIcon::Assign(HICON icon) {
    SetHandle(icon ? CopyIcon(icon) : nullptr);
}

void TIcon::SetHandle(HICON icon) {
    handle_.reset(icon);
    Changed();
}

void TIcon::Changed() {
    if (OnChange)
        OnChange();
}

}  // namespace ui
