#include "ui/rich_edit.h"

#include <richedit.h>

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "ui/system_library.h"
#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {

TRichEdit::TRichEdit(TComponent& owner, TControl* parent, int left, int top, int width, int height,
                     bool readOnly)
    : TControl(owner, parent) {
    static const HMODULE library = LoadSystemLibrary(L"Msftedit.dll");
    (void)library;
    RegisterSuperclass(MSFTEDIT_CLASS, L"TRichEdit");
    CreateWnd(L"TRichEdit",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                  (readOnly ? ES_READONLY : 0),
              WS_EX_CLIENTEDGE, left, top, width, height);
    SendMessageW(Handle(), EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SetColor(clWindow);
}

void TRichEdit::Clear() {
    SetWindowTextW(Handle(), L"");
}

std::string TRichEdit::Line(int index) const {
    const std::string text = Text();
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find_first_of("\r\n", start);
        if (start == std::string::npos)
            return {};
        start += text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
    }
    const size_t end = text.find_first_of("\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

void TRichEdit::SetSelection(int start, int length) {
    CHARRANGE range{start, start + length};
    SendMessageW(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

int TRichEdit::SelectionLength() const {
    CHARRANGE range{};
    SendMessageW(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range.cpMax - range.cpMin;
}

void TRichEdit::CopyToClipboard() {
    SendMessageW(Handle(), WM_COPY, 0, 0);
}

namespace {

// Gives the stream's next bytes to the view.
struct StreamSource {
    std::string_view bytes;
    size_t given = 0;
};

DWORD CALLBACK ReadFromString(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const size_t n = std::min(static_cast<size_t>(size), source->bytes.size() - source->given);
    std::copy_n(source->bytes.data() + source->given, n, buffer);
    source->given += n;
    *read = static_cast<LONG>(n);
    return 0;
}

// What the stream callback has collected, and what stopped it.
struct StreamTarget {
    std::string bytes;
    std::exception_ptr failure;
};

// The control calls this inside EM_STREAMOUT: a failure stops the stream and
// is thrown again by StreamOut, in the command that asked for the stream.
DWORD CALLBACK AppendToString(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
    auto* target = reinterpret_cast<StreamTarget*>(cookie);
    try {
        target->bytes.append(reinterpret_cast<const char*>(buffer), size);
        *written = size;
        return 0;
    } catch (...) {
        target->failure = std::current_exception();
        return 1;
    }
}

}  // namespace

void TRichEdit::SetRtf(std::string_view rtf) {
    StreamSource source{rtf};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadFromString};
    SendMessageW(Handle(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError != 0)
        throw std::runtime_error("无法写入详细解释的内容");
}

std::string TRichEdit::StreamOut(unsigned format) const {
    StreamTarget target;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&target), 0, AppendToString};
    SendMessageW(Handle(), EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
    if (target.failure)
        std::rethrow_exception(target.failure);
    if (stream.dwError != 0)
        throw std::runtime_error("无法读出详细解释的内容");
    return std::move(target.bytes);
}

void TRichEdit::BeginUpdate() {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TRichEdit::EndUpdate() {
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TRichEdit::FontChanged() {
    TControl::FontChanged();
    if (!Handle())
        return;
    // The view's own default is not the font's (under some systems it is
    // even bold), so every attribute is set.
    const TFont& f = Font();
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                CFM_STRIKEOUT | CFM_COLOR;
    const unsigned style = f.Style();
    cf.dwEffects = (style & fsBold ? CFE_BOLD : 0) | (style & fsItalic ? CFE_ITALIC : 0) |
                   (style & fsUnderline ? CFE_UNDERLINE : 0) |
                   (style & fsStrikeOut ? CFE_STRIKEOUT : 0);
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
