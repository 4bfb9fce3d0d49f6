#include <gtest/gtest.h>

#include "lookup/entry_rtf.h"

using lookup::EntryDocument;
using lookup::EntryLine;
using lookup::EntryRtf;

namespace {

// The RTF of one line holding one plain run.
std::string RunRtf(const std::string& text) {
    EntryDocument doc;
    doc.lines.push_back(EntryLine{{{text, 9, false, false}}, false});
    const std::string rtf = EntryRtf(doc, 9, 0);
    const std::string before = "\\pard\\fs18\\b0\\cf2 ", after = "\\fs18\\b0\\cf2 }";
    const size_t start = rtf.find(before);
    if (start == std::string::npos || rtf.size() < after.size() ||
        rtf.compare(rtf.size() - after.size(), after.size(), after) != 0) {
        return "unexpected: " + rtf;
    }
    const size_t from = start + before.size();
    return rtf.substr(from, rtf.size() - after.size() - from);
}

}  // namespace

TEST(EntryRtf, WritesTextAsRtfCharactersAndUnicodeUnits) {
    const std::pair<std::string, std::string> cases[] = {
        {"ATSJ à", "ATSJ \\u224 "},
        {"a\\b{c}", "a\\\\b\\{c\\}"},
        {"按", "\\u25353 "},                          // U+6309
        {"龙", "\\u-24679 "},                         // U+9F99: units above 32767 are negative
        {"\xF0\x9F\x98\x80", "\\u-10179 \\u-8704 "},  // U+1F600: a surrogate pair
        {"1\t2\r\n", "1\\u9 2\\u13 \\u10 "},  // control characters reach the view as they are
        {"按1", "\\u25353 1"},                // the space ends the number
    };
    for (const auto& [text, rtf] : cases)
        EXPECT_EQ(RunRtf(text), rtf) << text;
}

// Each run carries its own size, weight and colour; the line breaks carry
// the base ones, so that an empty line is as high as the view's own font.
TEST(EntryRtf, FormatsRunsLinesAndBreaks) {
    EntryDocument doc;
    doc.lines.push_back(EntryLine{{{"名", 12, true, false}}, true});
    doc.lines.push_back(EntryLine{});
    doc.lines.push_back(EntryLine{{{"注音：", 9, true, true}, {"yin", 12, false, false}}, false});
    const std::string rtf = EntryRtf(doc, 9, 0x00332211);
    EXPECT_EQ(rtf,
              "{\\rtf1\\ansi\\uc0{\\colortbl;\\red0\\green128\\blue0;\\red17\\green34\\blue51;}"
              "\\pard\\qc\\fs24\\b\\cf2 \\u21517 "
              "\\fs18\\b0\\cf2 \\par\\pard"
              "\\fs18\\b0\\cf2 \\par\\pard\\fs18\\b\\cf1 \\u27880 \\u-26637 \\u-230 "
              "\\fs24\\b0\\cf2 yin"
              "\\fs18\\b0\\cf2 }");
}

TEST(EntryRtf, AnEmptyDocumentIsAnEmptyText) {
    EXPECT_EQ(EntryRtf(EntryDocument{}, 10, 0x000000FF),
              "{\\rtf1\\ansi\\uc0{\\colortbl;\\red0\\green128\\blue0;\\red255\\green0\\blue0;}"
              "\\fs20\\b0\\cf2 }");
}
