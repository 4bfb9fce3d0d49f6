#include "skin/window/gdi_text_painter.h"

#include <algorithm>
#include <string>

#include "ui/wide_text.h"

namespace skin::window {
namespace {

UINT AlignFlag(TextAlign align) {
    switch (align) {
        case TextAlign::Left:
            return DT_LEFT;
        case TextAlign::Centre:
            return DT_CENTER;
        case TextAlign::Right:
            return DT_RIGHT;
    }
    return DT_LEFT;
}

NONCLIENTMETRICSW NonClientMetrics() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics;
}

}  // namespace

GdiTextPainter::GdiTextPainter(const LOGFONTW& font, Ampersand ampersand)
    : font_(CreateFontIndirectW(&font)),
      dc_(CreateCompatibleDC(nullptr)),
      previousFont_(SelectObject(dc_.get(), font_.get())),
      format_(DT_SINGLELINE | (ampersand == Ampersand::Plain ? DT_NOPREFIX : 0)) {}

GdiTextPainter::~GdiTextPainter() {
    SelectObject(dc_.get(), previousFont_);
}

Size GdiTextPainter::Measure(std::string_view text) const {
    const std::wstring wide = Widen(text);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &r,
              format_ | DT_CALCRECT | DT_NOCLIP);
    return {r.right - r.left, r.bottom - r.top};
}

void GdiTextPainter::Draw(Bitmap& target, Rect box, std::string_view text, Colour colour,
                          TextAlign align) {
    const Rect area{std::max(box.left, 0), std::max(box.top, 0),
                    std::min(box.right, target.Width()), std::min(box.bottom, target.Height())};
    if (area.Empty() || text.empty())
        return;
    DibSection dib(area.Width(), area.Height());
    dib.Load(target, {area.left, area.top});
    const HGDIOBJ previous = SelectObject(dib.Dc(), font_.get());
    SetBkMode(dib.Dc(), TRANSPARENT);
    SetTextColor(dib.Dc(), static_cast<COLORREF>(colour & 0xFFFFFF));
    const std::wstring wide = Widen(text);
    RECT r{box.left - area.left, box.top - area.top, box.right - area.left, box.bottom - area.top};
    DrawTextW(dib.Dc(), wide.c_str(), static_cast<int>(wide.size()), &r,
              format_ | DT_VCENTER | AlignFlag(align));
    SelectObject(dib.Dc(), previous);
    dib.Store(target, {area.left, area.top});
}

LOGFONTW CaptionLogFont() {
    return NonClientMetrics().lfCaptionFont;
}

LOGFONTW MenuLogFont() {
    return NonClientMetrics().lfMenuFont;
}

}  // namespace skin::window
