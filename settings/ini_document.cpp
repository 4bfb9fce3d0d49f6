#include "settings/ini_document.h"

#include <algorithm>

#include "text/gbk_text.h"
#include "text/text_rules.h"
#include "text/utf8.h"

namespace settings {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// What one line of the file is. A line that is neither a section header nor
// a comment is a key, with or without "=".
struct LineMeaning {
    enum Kind { Other, Section, Key } kind = Other;
    std::string name;
    std::string value;
};

LineMeaning Meaning(std::string_view text) {
    const std::string line = text::Trim(text);
    if (line.empty() || line[0] == ';')
        return {};
    if (line[0] == '[') {
        if (const size_t close = line.find(']'); close != std::string::npos)
            return {LineMeaning::Section, text::Trim(std::string_view(line).substr(1, close - 1)),
                    ""};
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos)
        return {LineMeaning::Key, line, ""};
    const std::string_view view(line);
    return {LineMeaning::Key, text::Trim(view.substr(0, equals)),
            text::Trim(view.substr(equals + 1))};
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && text::UpperAscii(a) == text::UpperAscii(b);
}

// Text that only UTF-8 explains: valid UTF-8 whose characters beyond ASCII
// all take three or four bytes, as Chinese characters do. GBK text is hardly
// ever valid UTF-8, and when a short piece of it is ("十一" is), it reads as
// two-byte characters (Latin, Greek, Cyrillic), so the program's own files
// are never taken for UTF-8.
bool LooksLikeUtf8(std::string_view bytes) {
    bool beyondAscii = false;
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t start = pos;
        const char32_t cp = text::utf8::Next(bytes, pos);
        if (cp == text::utf8::kReplacement && bytes.substr(start, 3) != "\xEF\xBF\xBD")
            return false;
        if (cp >= 0x80 && cp < 0x800)
            return false;
        beyondAscii = beyondAscii || cp >= 0x800;
    }
    return beyondAscii;
}

FileEncoding DetectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom))
        return FileEncoding::Utf8WithBom;
    return LooksLikeUtf8(bytes) ? FileEncoding::Utf8 : FileEncoding::Gbk;
}

}  // namespace

IniDocument::IniDocument(FileEncoding encoding, std::vector<Line> lines)
    : encoding_(encoding), lines_(std::move(lines)) {}

IniDocument IniDocument::FromBytes(std::string_view bytes) {
    const FileEncoding encoding = DetectEncoding(bytes);
    if (encoding == FileEncoding::Utf8WithBom)
        bytes.remove_prefix(kUtf8Bom.size());
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < bytes.size()) {
        const size_t newline = bytes.find('\n', begin);
        Line line;
        if (newline == std::string_view::npos) {
            line.bytes = bytes.substr(begin);
            begin = bytes.size();
        } else {
            const bool crlf = newline > begin && bytes[newline - 1] == '\r';
            line.bytes = bytes.substr(begin, newline - begin - (crlf ? 1 : 0));
            line.end = crlf ? "\r\n" : "\n";
            begin = newline + 1;
        }
        line.text = encoding == FileEncoding::Gbk ? text::gbk::ToUtf8(line.bytes) : line.bytes;
        lines.push_back(std::move(line));
    }
    return IniDocument(encoding, std::move(lines));
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const size_t header = FindSection(section);
    if (header == lines_.size())
        return std::nullopt;
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        LineMeaning meaning = Meaning(lines_[i].text);
        if (meaning.kind == LineMeaning::Key && SameName(meaning.name, key))
            return std::move(meaning.value);
    }
    return std::nullopt;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const size_t header = FindSection(section);
    if (header == lines_.size()) {
        std::string headerLine = "[";
        headerLine.append(section).append("]");
        InsertLine(lines_.size(), std::move(headerLine));
        InsertLine(lines_.size(), keyLine);
        return;
    }
    const size_t end = SectionEnd(header);
    size_t afterLastKey = header + 1;
    for (size_t i = header + 1; i < end; ++i) {
        const LineMeaning meaning = Meaning(lines_[i].text);
        if (meaning.kind != LineMeaning::Key)
            continue;
        if (SameName(meaning.name, key)) {
            // The key keeps its spelling in the file.
            std::string end = std::move(lines_[i].end);
            lines_[i] = MakeLine(meaning.name + "=" + std::string(value));
            lines_[i].end = std::move(end);
            return;
        }
        afterLastKey = i + 1;
    }
    InsertLine(afterLastKey, keyLine);
}

std::string IniDocument::ToBytes() const {
    std::string body;
    for (const Line& line : lines_)
        body += line.bytes + line.end;
    // A UTF-8 file that no longer shows itself as UTF-8 (a value with a
    // two-byte character such as "ǜ" was written into it) would be read as
    // GBK next time, every Chinese character garbled; the byte order mark
    // keeps it UTF-8. Text of ASCII alone reads the same either way.
    const bool needsMark =
        encoding_ == FileEncoding::Utf8 && !LooksLikeUtf8(body) &&
        std::ranges::any_of(body, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (encoding_ == FileEncoding::Utf8WithBom || needsMark)
        return std::string(kUtf8Bom) + body;
    return body;
}

size_t IniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const LineMeaning meaning = Meaning(lines_[i].text);
        if (meaning.kind == LineMeaning::Section && SameName(meaning.name, section))
            return i;
    }
    return lines_.size();
}

size_t IniDocument::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && Meaning(lines_[i].text).kind != LineMeaning::Section)
        ++i;
    return i;
}

void IniDocument::InsertLine(size_t at, std::string text) {
    const std::string end = NewLineEnd();
    if (at > 0 && lines_[at - 1].end.empty())
        lines_[at - 1].end = end;
    Line line = MakeLine(std::move(text));
    line.end = end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

IniDocument::Line IniDocument::MakeLine(std::string text) const {
    Line line;
    line.bytes = encoding_ == FileEncoding::Gbk ? text::gbk::FromUtf8(text) : text;
    line.text = std::move(text);
    return line;
}

// A file written by another editor keeps its kind of line end; the program's
// own files have Windows line ends.
std::string IniDocument::NewLineEnd() const {
    for (const Line& line : lines_) {
        if (!line.end.empty())
            return line.end;
    }
    return "\r\n";
}

}  // namespace settings
