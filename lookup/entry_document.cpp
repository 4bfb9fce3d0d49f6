#include "lookup/entry_document.h"

#include "store/field_cipher.h"
#include "text/text_rules.h"

namespace lookup {
namespace {

// A labelled line: the label bold and green, the rest in `bodySize`.
EntryLine Labelled(const char* label, std::string body, int labelSize, int bodySize) {
    EntryLine line;
    line.runs.push_back({label, labelSize, true, true});
    if (!body.empty())
        line.runs.push_back({std::move(body), bodySize, false, false});
    return line;
}

EntryLine Empty() {
    return EntryLine{};
}

// The deciphered text of a stored field, or nothing when the section is to
// be left out.
std::optional<std::string> Section(const std::string& stored,
                                   const std::function<void()>& badCipher) {
    std::optional<std::string> text = store::DecipherField(text::Trim(stored));
    if (!text) {
        badCipher();
        return std::nullopt;
    }
    if (text::IsBlank(*text))
        return std::nullopt;
    return text;
}

}  // namespace

std::string EntryLine::Text() const {
    std::string out;
    for (const TextRun& run : runs)
        out += run.text;
    return out;
}

std::string EntryDocument::Text() const {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += '\n';
        out += lines[i].Text();
    }
    return out;
}

void AppendEntry(EntryDocument& doc, const IdiomRecord& record,
                 const std::function<void()>& badCipher) {
    EntryLine name;
    name.runs.push_back({text::Trim(record.ChengYu), 12, true, false});
    name.centred = true;
    doc.lines.push_back(std::move(name));
    doc.lines.push_back(Labelled("首字母：", text::UpperAscii(text::Trim(record.SPingYin)), 9, 9));
    doc.lines.push_back(Labelled("注音：", text::Trim(record.PingYin), 9, 12));
    doc.lines.push_back(Empty());
    if (auto story = Section(record.DianGu, badCipher)) {
        doc.lines.push_back(Labelled("典故：", std::move(*story), 9, 9));
        doc.lines.push_back(Empty());
    }
    if (auto source = Section(record.ChuChu, badCipher)) {
        doc.lines.push_back(Labelled("出处：", std::move(*source), 9, 9));
        doc.lines.push_back(Empty());
    }
    if (auto example = Section(record.LiZi, badCipher)) {
        doc.lines.push_back(Labelled("例子：", std::move(*example), 9, 9));
    }
}

void RemoveTrailingBlankLines(EntryDocument& doc) {
    while (!doc.lines.empty() && text::IsBlank(doc.lines.back().Text()))
        doc.lines.pop_back();
}

}  // namespace lookup
