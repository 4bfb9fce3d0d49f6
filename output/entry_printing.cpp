#include "output/entry_printing.h"

#include <map>
#include <stdexcept>
#include <tuple>

#include "output/page_layout.h"
#include "ui/control.h"
#include "ui/wide_text.h"
#include "ui/win_handle.h"

namespace output {
namespace {

[[noreturn]] void PrintingFailed() {
    throw std::runtime_error("打印失败：打印机无法使用");
}

// The fonts of the run styles, made for one device's resolution.
class Fonts {
  public:
    Fonts(HDC reference, const ui::TFont& base) : reference_(reference), base_(base) {}

    HFONT For(const RunStyle& style) {
        const auto key = std::make_tuple(style.pointSize, style.bold);
        auto it = fonts_.find(key);
        if (it == fonts_.end()) {
            const int height = -MulDiv(style.pointSize, GetDeviceCaps(reference_, LOGPIXELSY), 72);
            it = fonts_
                     .emplace(key, ui::OwnedFont(CreateFontW(
                                       height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                       FALSE, FALSE, static_cast<BYTE>(base_.Charset()),
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       DEFAULT_PITCH, Widen(base_.Name()).c_str())))
                     .first;
        }
        return it->second.get();
    }

  private:
    HDC reference_;
    const ui::TFont& base_;
    std::map<std::tuple<int, bool>, ui::OwnedFont> fonts_;
};

class DeviceMeasure : public TextMeasure {
  public:
    DeviceMeasure(HDC dc, Fonts& fonts) : dc_(dc), fonts_(fonts) {}

    std::vector<int> Widths(const RunStyle& style, const std::string& text) override {
        ui::Selection font(dc_, fonts_.For(style));
        std::vector<int> widths;
        const std::wstring wide = Widen(text);
        for (size_t i = 0; i < wide.size(); ++i) {
            // A character beyond the basic plane is two UTF-16 units.
            const size_t units =
                (wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size()) ? 2 : 1;
            SIZE size{};
            GetTextExtentPoint32W(dc_, wide.c_str() + i, static_cast<int>(units), &size);
            widths.push_back(size.cx);
            i += units - 1;
        }
        return widths;
    }
    int Ascent(const RunStyle& style) override { return Metrics(style).tmAscent; }
    int Descent(const RunStyle& style) override { return Metrics(style).tmDescent; }

  private:
    TEXTMETRICW Metrics(const RunStyle& style) {
        ui::Selection font(dc_, fonts_.For(style));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        return tm;
    }
    HDC dc_;
    Fonts& fonts_;
};

void DrawPage(HDC dc, const Page& page, Fonts& fonts, COLORREF textColor) {
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    for (const Fragment& f : page.fragments) {
        ui::Selection font(dc, fonts.For(f.style));
        SetTextColor(dc, f.style.green ? RGB(0, 128, 0) : textColor);
        const std::wstring text = Widen(f.text);
        ExtTextOutW(dc, f.x, f.y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()),
                    nullptr);
    }
}

}  // namespace

void PrinterTarget::StartDocument(const std::wstring& name) {
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    if (StartDocW(dc_, &info) <= 0)
        PrintingFailed();
}

HDC PrinterTarget::StartPage() {
    if (::StartPage(dc_) <= 0)
        PrintingFailed();
    return dc_;
}

void PrinterTarget::EndPage() {
    if (::EndPage(dc_) <= 0)
        PrintingFailed();
}

void PrinterTarget::EndDocument() {
    if (EndDoc(dc_) <= 0)
        PrintingFailed();
}

void PrinterTarget::AbortDocument() {
    AbortDoc(dc_);
}

void PrintEntry(const lookup::EntryDocument& doc, const ui::TFont& viewFont, PrintTarget& target,
                const std::string& documentName) {
    HDC reference = target.ReferenceDC();
    Fonts fonts(reference, viewFont);
    DeviceMeasure measure(reference, fonts);
    const std::vector<Page> pages = LayOutPages(doc, measure, GetDeviceCaps(reference, HORZRES),
                                                GetDeviceCaps(reference, VERTRES));
    const COLORREF textColor = ui::TControl::ColorToRGB(viewFont.Color());
    target.StartDocument(Widen(documentName));
    try {
        for (const Page& page : pages) {
            DrawPage(target.StartPage(), page, fonts, textColor);
            target.EndPage();
        }
    } catch (...) {
        target.AbortDocument();
        throw;
    }
    target.EndDocument();
}

}  // namespace output
