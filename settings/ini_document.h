// The contents of an INI file, read and changed the way Windows' own profile
// functions treat such a file: section and key names compare without regard
// to the case of their letters, the first of two equal sections (or of two
// equal keys in a section) is the one that counts, and every line that a
// change does not concern is kept byte for byte with its own line end.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// How a file's text is stored. Files of the program are GBK; a file that an
// editor saved as UTF-8 keeps that encoding when the program changes it.
enum class FileEncoding { Gbk, Utf8, Utf8WithBom };

class IniDocument {
  public:
    // An empty document: a file that does not exist yet.
    IniDocument() = default;
    // Parses the bytes of a file in the encoding it is found to have.
    static IniDocument FromBytes(std::string_view bytes);

    // The value (UTF-8, without surrounding blanks) of the first key `key`
    // in the first section `section`; nothing when either is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Sets the value of the first key `key` of the first section `section`.
    // A missing key is added after the last key of that section, a missing
    // section at the end of the document.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // The document as the bytes of a file, in its encoding. A UTF-8 document
    // whose text would no longer be taken for UTF-8 gets a byte order mark.
    std::string ToBytes() const;

    FileEncoding Encoding() const { return encoding_; }

  private:
    struct Line {
        std::string bytes;  // as stored, without the line end
        std::string text;   // the same in UTF-8
        std::string end;    // "\r\n", "\n", or empty for a last line without one
    };

    IniDocument(FileEncoding encoding, std::vector<Line> lines);
    // Index of the header line of the first section `section`, or lines_.size().
    size_t FindSection(std::string_view section) const;
    // One past the last line of the section whose header is at `header`.
    size_t SectionEnd(size_t header) const;
    // Puts a new line before index `at`, ending in the document's line end.
    void InsertLine(size_t at, std::string text);
    Line MakeLine(std::string text) const;
    std::string NewLineEnd() const;

    FileEncoding encoding_ = FileEncoding::Gbk;
    std::vector<Line> lines_;
};

}  // namespace settings
