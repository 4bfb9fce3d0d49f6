#include "ui/memo.h"

#include "ui/window_class.h"

namespace ui {

TMemo::TMemo(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterSuperclass(L"Edit", L"TMemo");
    CreateWnd(L"TMemo",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                  ES_WANTRETURN,
              WS_EX_CLIENTEDGE, left, top, width, height);
    // Without a limit of its own an edit control stops at 32 767 characters.
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
    SetColor(clWindow);
}

bool TMemo::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "BorderStyle")) {
        value = std::string("bsSingle");
        return true;
    }
    return TControl::GetProperty(name, value);
}

}  // namespace ui
