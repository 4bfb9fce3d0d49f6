// The entry of one idiom as the entry view shows it: lines of text runs with
// their sizes, weights and colours. The view is rebuilt from it on every
// display.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lookup {

struct TextRun {
    std::string text;
    int pointSize = 9;
    bool bold = false;
    bool green = false;  // red 0, green 128, blue 0; otherwise the window-text colour
};

struct EntryLine {
    std::vector<TextRun> runs;
    bool centred = false;
    std::string Text() const;
};

struct EntryDocument {
    std::vector<EntryLine> lines;
    // The lines joined by line breaks, as the view holds them.
    std::string Text() const;
};

// One row of the idiom table as read: the story, source and example still
// enciphered.
struct IdiomRecord {
    std::string ChengYu, SPingYin, PingYin, DianGu, ChuChu, LiZi;
    std::optional<std::string> Diy;
};

// Appends the idiom's lines to `doc`, row by row: name, initials, pinyin, an
// empty line, then story, source and example where the deciphered text is
// not blank, with an empty line after the story and after the source. A
// stored value of odd length is announced through `badCipher` (once per
// field) and leaves its section out; a value that is not hexadecimal throws
// ConversionError, leaving the rows appended so far in `doc`.
void AppendEntry(EntryDocument& doc, const IdiomRecord& record,
                 const std::function<void()>& badCipher);

// Removes blank lines from the end of the document.
void RemoveTrailingBlankLines(EntryDocument& doc);

}  // namespace lookup
