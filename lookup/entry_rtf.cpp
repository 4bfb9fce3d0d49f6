#include "lookup/entry_rtf.h"

#include "text/utf8.h"

namespace lookup {
namespace {

// The colour table's entries: 1 for the labels' green, 2 for plain text.
constexpr const char* kGreen = "\\cf1";
constexpr const char* kPlain = "\\cf2";

void AppendAttributes(std::string& rtf, int pointSize, bool bold, const char* colour) {
    rtf += "\\fs" + std::to_string(pointSize * 2);
    rtf += bold ? "\\b" : "\\b0";
    rtf += colour;
    rtf += ' ';
}

// Printable ASCII as itself (the three RTF characters escaped), everything
// else as UTF-16 units in \uN, N signed, with no substitute characters.
void AppendText(std::string& rtf, std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        const char32_t cp = text::utf8::Next(text, pos);
        if (cp == '\\' || cp == '{' || cp == '}') {
            rtf += '\\';
            rtf += static_cast<char>(cp);
        } else if (cp >= 0x20 && cp < 0x7F) {
            rtf += static_cast<char>(cp);
        } else if (cp < 0x10000) {
            rtf += "\\u" + std::to_string(static_cast<int16_t>(cp)) + ' ';
        } else {
            const char32_t offset = cp - 0x10000;
            rtf += "\\u" + std::to_string(static_cast<int16_t>(0xD800 + (offset >> 10))) + ' ';
            rtf += "\\u" + std::to_string(static_cast<int16_t>(0xDC00 + (offset & 0x3FF))) + ' ';
        }
    }
}

std::string ColourEntry(uint32_t colour) {
    return "\\red" + std::to_string(colour & 0xFF) + "\\green" +
           std::to_string((colour >> 8) & 0xFF) + "\\blue" + std::to_string((colour >> 16) & 0xFF) +
           ";";
}

}  // namespace

std::string EntryRtf(const EntryDocument& doc, int basePointSize, uint32_t plainColour) {
    std::string rtf =
        "{\\rtf1\\ansi\\uc0{\\colortbl;\\red0\\green128\\blue0;" + ColourEntry(plainColour) + "}";
    for (size_t i = 0; i < doc.lines.size(); ++i) {
        const EntryLine& line = doc.lines[i];
        if (i > 0) {
            AppendAttributes(rtf, basePointSize, false, kPlain);
            rtf += "\\par";
        }
        rtf += line.centred ? "\\pard\\qc" : "\\pard";
        for (const TextRun& run : line.runs) {
            AppendAttributes(rtf, run.pointSize, run.bold, run.green ? kGreen : kPlain);
            AppendText(rtf, run.text);
        }
    }
    AppendAttributes(rtf, basePointSize, false, kPlain);
    rtf += '}';
    return rtf;
}

}  // namespace lookup
