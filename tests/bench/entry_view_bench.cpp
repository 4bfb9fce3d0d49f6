// The entry view's fill, in a window like the main window's: the one rich
// text stream that lookup::ShowEntry gives the view, against the way the view
// was filled before, a selection and a format call for every run. Both fill
// the same entry, alternately, medians of several runs, with the Wine
// server's round trip measured in the same run.
#include <windows.h>

#include <richedit.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lookup/entry_document.h"
#include "lookup/entry_view.h"
#include "server_round_trip.h"
#include "store/field_cipher.h"
#include "timing.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/rich_edit.h"
#include "ui/wide_text.h"

namespace {

constexpr int kRuns = 21;

class BenchForm : public ui::TForm {
  public:
    explicit BenchForm(ui::TComponent& owner)
        : ui::TForm(owner, L"TEntryViewBenchForm", ui::TFormBorderStyle::bsSingle,
                    ui::TPosition::poScreenCenter) {
        Font().SetName("宋体");
        Font().SetHeight(-12);
        SetClientSize(400, 320);
        view = ui::Make<ui::TRichEdit>(*this, this, 8, 16, 361, 289, true);
        view->Font().SetCharset(ui::kGb2312Charset);
        view->SetColor(ui::clInfoBk);
    }
    ui::TRichEdit* view;
};

// An entry of every row, with texts of the length the data's longer ones have.
lookup::EntryDocument SampleEntry() {
    std::string story, source, example;
    for (int i = 0; i < 40; ++i)
        story += "春秋时秦国人伯乐善相马，";
    for (int i = 0; i < 8; ++i)
        source += "《汉书·梅福传》：";
    for (int i = 0; i < 12; ++i)
        example += "他按图索骥，终于找到了。";
    const lookup::IdiomRecord record{"按图索骥",
                                     "ATSJ",
                                     "àn tú suǒ jì",
                                     store::EncipherField(story),
                                     store::EncipherField(source),
                                     store::EncipherField(example),
                                     std::nullopt};
    lookup::EntryDocument doc;
    lookup::AppendEntry(doc, record, [] {});
    lookup::RemoveTrailingBlankLines(doc);
    return doc;
}

void Select(HWND view, int start, int length) {
    CHARRANGE range{start, start + length};
    SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void Format(HWND view, int start, int length, int pointSize, bool bold, COLORREF colour) {
    Select(view, start, length);
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_SIZE | CFM_BOLD | CFM_COLOR;
    cf.dwEffects = bold ? CFE_BOLD : 0;
    cf.yHeight = pointSize * 20;
    cf.crTextColor = colour;
    SendMessageW(view, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

// The former fill: the whole text, then a selection and a format call for
// the base format, each run and the centred line.
void FillBySelections(ui::TRichEdit& view, const lookup::EntryDocument& doc) {
    const HWND window = view.Handle();
    std::wstring text;
    for (size_t i = 0; i < doc.lines.size(); ++i) {
        if (i > 0)
            text += L'\r';
        text += Widen(doc.lines[i].Text());
    }
    view.BeginUpdate();
    SETTEXTEX how{ST_DEFAULT, 1200};
    SendMessageW(window, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                 reinterpret_cast<LPARAM>(text.c_str()));
    const COLORREF plain = ui::TControl::ColorToRGB(view.Font().Color());
    Format(window, 0, static_cast<int>(text.size()), view.Font().Size(), false, plain);
    int position = 0;
    for (const lookup::EntryLine& line : doc.lines) {
        const int lineStart = position;
        for (const lookup::TextRun& run : line.runs) {
            const int length = static_cast<int>(Widen(run.text).size());
            Format(window, position, length, run.pointSize, run.bold,
                   run.green ? RGB(0, 128, 0) : plain);
            position += length;
        }
        if (line.centred) {
            Select(window, lineStart, position - lineStart);
            PARAFORMAT2 pf{};
            pf.cbSize = sizeof pf;
            pf.dwMask = PFM_ALIGNMENT;
            pf.wAlignment = PFA_CENTER;
            SendMessageW(window, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
        }
        ++position;
    }
    view.SetSelection(0, 0);
    view.EndUpdate();
}

void ProcessPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

int main() {
    ui::TApplication application;
    application.Initialize();
    auto* form = application.CreateForm<BenchForm>();
    form->Show();
    ProcessPending();
    const lookup::EntryDocument doc = SampleEntry();
    const std::string shown = doc.Text();

    std::vector<double> stream, selections, ratios;
    for (int run = 0; run < kRuns; ++run) {
        // Alternately first; the view repaints between the fills, untimed.
        double s = 0, c = 0;
        if (run % 2 == 0)
            s = Milliseconds([&] { lookup::ShowEntry(*form->view, doc); });
        ProcessPending();
        c = Milliseconds([&] { FillBySelections(*form->view, doc); });
        ProcessPending();
        if (run % 2 != 0) {
            s = Milliseconds([&] { lookup::ShowEntry(*form->view, doc); });
            ProcessPending();
        }
        stream.push_back(s);
        selections.push_back(c);
        ratios.push_back(c / s);
    }
    lookup::ShowEntry(*form->view, doc);
    // The line breaks as the view reports them (CR LF) and as the document
    // holds them (LF) aside, the view shows the entry's text.
    std::string text = form->view->Text(), expected = shown;
    for (std::string* s : {&text, &expected}) {
        std::erase(*s, '\n');
        std::erase(*s, '\r');
    }
    if (text != expected) {
        std::printf("  the entry view does not show the entry\n");
        return 1;
    }
    const double roundTrip = ServerRoundTripMicroseconds();
    std::printf("  Wine server round trip: %.1f us: %s\n", roundTrip, Regime(roundTrip));
    std::printf(
        "  entry view fill (%zu characters): one rich text stream %.2f ms, a selection and a "
        "format call per run %.2f ms; the stream %.1fx as fast (medians of %d)\n",
        Widen(shown).size(), Median(stream), Median(selections), Median(ratios), kRuns);
    return 0;
}
