#include "lookup/entry_view.h"

#include "ui/wide_text.h"

namespace lookup {
namespace {

constexpr ui::TColor kGreen = ui::RGBColor(0, 128, 0);

}  // namespace

void ShowEntry(ui::TRichEdit& view, const EntryDocument& doc) {
    std::wstring text;
    for (size_t i = 0; i < doc.lines.size(); ++i) {
        if (i > 0)
            text += L'\r';
        text += Widen(doc.lines[i].Text());
    }
    view.BeginUpdate();
    view.SetText(text);
    const ui::TColor plain = view.Font().Color();
    view.FormatRange(0, static_cast<int>(text.size()), {view.Font().Size(), false, plain});
    int position = 0;
    for (const EntryLine& line : doc.lines) {
        const int lineStart = position;
        for (const TextRun& run : line.runs) {
            const int length = static_cast<int>(Widen(run.text).size());
            view.FormatRange(position, length,
                             {run.pointSize, run.bold, run.green ? kGreen : plain});
            position += length;
        }
        if (line.centred)
            view.CentreParagraphs(lineStart, position - lineStart);
        ++position;  // the line break
    }
    view.SetSelection(0, 0);
    view.EndUpdate();
}

}  // namespace lookup
