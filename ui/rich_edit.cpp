#include "ui/rich_edit.h"

#include <richedit.h>

#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {

TRichEdit::TRichEdit(TComponent& owner, TControl* parent, int left, int top, int width, int height, bool readOnly)
    : TControl(owner, parent) {
    static const HMODULE library = LoadLibraryW(L"Msftedit.dll");
    (void)library;
    RegisterSuperclass(MSFTEDIT_CLASS, L"TRichEdit");
    CreateWnd(L"TRichEdit",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                  (readOnly ? ES_READONLY : 0),
              WS_EX_CLIENTEDGE, left, top, width, height);
    SendMessageW(Handle(), EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SetColor(clWindow);
}

void TRichEdit::Clear() { SetWindowTextW(Handle(), L""); }

void TRichEdit::FontChanged() {
    TControl::FontChanged();
    if (!Handle()) return;
    // The view's own default is not the font's (under some systems it is
    // even bold), so every attribute is set.
    const TFont& f = Font();
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
    const unsigned style = f.Style();
    cf.dwEffects = (style & fsBold ? CFE_BOLD : 0) | (style & fsItalic ? CFE_ITALIC : 0) |
                   (style & fsUnderline ? CFE_UNDERLINE : 0) | (style & fsStrikeOut ? CFE_STRIKEOUT : 0);
    cf.yHeight = f.Size() * 20;
    cf.bCharSet = static_cast<BYTE>(f.Charset());
    cf.crTextColor = ColorToRGB(f.Color());
    lstrcpynW(cf.szFaceName, Widen(f.Name()).c_str(), LF_FACESIZE);
    SendMessageW(Handle(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

void TRichEdit::ColorChanged() {
    SendMessageW(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

bool TRichEdit::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "BorderStyle")) {
        value = std::string("bsSingle");
        return true;
    }
    return TControl::GetProperty(name, value);
}

}  // namespace ui
