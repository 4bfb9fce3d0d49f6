// Laying out an entry on printed pages: each line of the entry wrapped to the
// page's width (a centred line stays centred), the lines flowing from page to
// page. Measuring is the device's; the layout itself needs no window.
#pragma once

#include <string>
#include <vector>

#include "lookup/entry_document.h"

namespace output {

struct RunStyle {
    int pointSize = 9;
    bool bold = false;
    bool green = false;
    bool operator==(const RunStyle&) const = default;
};

// A piece of text placed on a page; y is its baseline.
struct Fragment {
    int x = 0;
    int y = 0;
    RunStyle style;
    std::string text;
};

struct Page {
    std::vector<Fragment> fragments;
};

// The device's measures, in its own units.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // The advance width of each character (code point) of the text.
    virtual std::vector<int> Widths(const RunStyle& style, const std::string& text) = 0;
    virtual int Ascent(const RunStyle& style) = 0;
    virtual int Descent(const RunStyle& style) = 0;
};

// The pages of the document; at least one (an empty document gives one
// empty page). A line taller than the page still gets a page of its own.
std::vector<Page> LayOutPages(const lookup::EntryDocument& doc, TextMeasure& measure, int pageWidth,
                              int pageHeight);

}  // namespace output
