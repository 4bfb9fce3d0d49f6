#include "output/page_layout.h"

#include <algorithm>

#include "text/utf8.h"

namespace output {
namespace {

// One character with its style and width, the unit of wrapping.
struct Glyph {
    std::string text;
    RunStyle style;
    int width;
};

// A printed line: a row of glyphs.
struct Row {
    std::vector<Glyph> glyphs;
    int width = 0;
};

std::vector<Glyph> GlyphsOf(const lookup::EntryLine& line, TextMeasure& measure) {
    std::vector<Glyph> glyphs;
    for (const lookup::TextRun& run : line.runs) {
        const RunStyle style{run.pointSize, run.bold, run.green};
        const std::vector<int> widths = measure.Widths(style, run.text);
        size_t pos = 0, index = 0;
        while (pos < run.text.size()) {
            const size_t start = pos;
            text::utf8::Next(run.text, pos);
            glyphs.push_back({run.text.substr(start, pos - start), style,
                              index < widths.size() ? widths[index] : 0});
            ++index;
        }
    }
    return glyphs;
}

bool IsSpace(const Glyph& g) {
    return g.text == " ";
}
bool IsLatin(const Glyph& g) {
    return g.text.size() == 1 || (static_cast<unsigned char>(g.text[0]) & 0xE0) == 0xC0;
}

// Greedy wrapping at character boundaries, moved back to the last space when
// the break would split a word of Latin letters (pinyin).
std::vector<Row> Wrap(const std::vector<Glyph>& glyphs, int pageWidth) {
    std::vector<Row> rows(1);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        Row& row = rows.back();
        if (!row.glyphs.empty() && row.width + glyphs[i].width > pageWidth) {
            size_t keep = row.glyphs.size();
            if (IsLatin(glyphs[i]) && !IsSpace(glyphs[i])) {
                size_t space = keep;
                while (space > 0 && IsLatin(row.glyphs[space - 1]) &&
                       !IsSpace(row.glyphs[space - 1]))
                    --space;
                if (space > 0 && IsSpace(row.glyphs[space - 1]))
                    keep = space;
            }
            Row next;
            next.glyphs.assign(row.glyphs.begin() + static_cast<long>(keep), row.glyphs.end());
            row.glyphs.resize(keep);
            row.width = 0;
            for (const Glyph& g : row.glyphs)
                row.width += g.width;
            for (const Glyph& g : next.glyphs)
                next.width += g.width;
            rows.push_back(std::move(next));
        }
        rows.back().glyphs.push_back(glyphs[i]);
        rows.back().width += glyphs[i].width;
    }
    return rows;
}

}  // namespace

std::vector<Page> LayOutPages(const lookup::EntryDocument& doc, TextMeasure& measure, int pageWidth,
                              int pageHeight) {
    std::vector<Page> pages(1);
    int top = 0;
    for (const lookup::EntryLine& line : doc.lines) {
        const std::vector<Glyph> glyphs = GlyphsOf(line, measure);
        // An empty line is as high as the text after a label, 9 points.
        const RunStyle emptyStyle{line.runs.empty() ? 9 : line.runs.front().pointSize, false,
                                  false};
        for (const Row& row : Wrap(glyphs, pageWidth)) {
            int ascent = 0, descent = 0;
            if (row.glyphs.empty()) {
                ascent = measure.Ascent(emptyStyle);
                descent = measure.Descent(emptyStyle);
            }
            for (const Glyph& g : row.glyphs) {
                ascent = std::max(ascent, measure.Ascent(g.style));
                descent = std::max(descent, measure.Descent(g.style));
            }
            if (top > 0 && top + ascent + descent > pageHeight) {
                pages.emplace_back();
                top = 0;
            }
            const int baseline = top + ascent;
            int x = line.centred ? std::max(0, (pageWidth - row.width) / 2) : 0;
            Fragment* current = nullptr;  // glyphs of one style on the row form one fragment
            for (const Glyph& g : row.glyphs) {
                if (!current || !(current->style == g.style)) {
                    pages.back().fragments.push_back({x, baseline, g.style, ""});
                    current = &pages.back().fragments.back();
                }
                current->text += g.text;
                x += g.width;
            }
            top += ascent + descent;
        }
    }
    return pages;
}

}  // namespace output
