#include "ui/label.h"

#include "ui/window_class.h"

namespace ui {

TLabel::TLabel(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterSuperclass(L"Static", L"TLabel");
    CreateWnd(L"TLabel", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, left, top, width,
              height);
}

}  // namespace ui
