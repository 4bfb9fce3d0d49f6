// libFuzzer target: a settings file of any bytes, read and changed through
// the settings file as the program does. The document gives back the very
// bytes it was read from and tells GBK from UTF-8; every read agrees with
// the document, a text within the length limit and cut only between
// characters, an integer as the standard library reads it or the default; a
// write leaves every other setting as it was, reads back as written and
// keeps a UTF-8 file UTF-8.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "settings/ini_document.h"
#include "settings/scratch_directory.h"
#include "settings/settings_file.h"
#include "text/gbk_text.h"
#include "text/text_rules.h"

namespace {

using fuzz::Check;
using settings::FileEncoding;
using settings::IniDocument;
using settings::SettingsFile;

struct Setting {
    const char* section;
    const char* key;
};
constexpr Setting kSettings[] = {
    {"Setup", "Skin"},      {"Setup", "TrayIcon"},     {"Setup", "Min"},
    {"Option", "RunStart"}, {"KeyWord_List", "Item1"}, {"KeyWord_List", "Item2"},
    {"S_List", "Item1"},
};
constexpr std::string_view kDefault = "默认";

// Decimal with an optional sign, or hexadecimal after "0x" taking all 32 bits.
std::optional<int> StandardInteger(std::string_view s) {
    const auto whole = [](std::string_view digits, auto& value, int base) {
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
        return error == std::errc() && end == digits.data() + digits.size();
    };
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        uint64_t value = 0;
        if (!whole(s.substr(2), value, 16) || value > UINT32_MAX)
            return std::nullopt;
        return static_cast<int>(static_cast<uint32_t>(value));
    }
    if (s.size() > 1 && s[0] == '+' && s[1] != '-')
        s.remove_prefix(1);
    int value = 0;
    return whole(s, value, 10) ? std::optional<int>(value) : std::nullopt;
}

void CheckReads(const SettingsFile& file, const IniDocument& document,
                std::initializer_list<Setting> settings) {
    for (const Setting& setting : settings) {
        const std::optional<std::string> value = document.Value(setting.section, setting.key);
        const std::string full = value.value_or(std::string(kDefault));
        const std::string read = file.ReadString(setting.section, setting.key, kDefault);
        Check(full.starts_with(read), "a read gives the start of the value");
        Check(text::gbk::ByteLength(read) <= settings::kMaxReadLength, "a read keeps to the limit");
        if (read.size() < full.size()) {
            const size_t next =
                read.size() + std::max<size_t>(1, fuzz::WellFormedLength(full, read.size()));
            Check(text::gbk::ByteLength(full.substr(0, next)) > settings::kMaxReadLength,
                  "a read keeps every character that fits");
        }
        Check(!fuzz::IsUtf8(full) || fuzz::IsUtf8(read), "a read cuts between characters");

        const std::optional<int> number =
            value ? StandardInteger(file.ReadString(setting.section, setting.key, ""))
                  : std::nullopt;
        Check(file.ReadInteger(setting.section, setting.key, 12345) == number.value_or(12345) &&
                  file.ReadInteger(setting.section, setting.key, -7) == number.value_or(-7),
              "an integer reads as the standard library reads it, else as the default");
    }
}

// Whether the bytes are UTF-8 as an editor writes Chinese text: well-formed,
// beyond ASCII, and without two-byte characters (which GBK text resembles).
bool ChineseUtf8(std::string_view bytes) {
    bool beyondAscii = false;
    for (const fuzz::Piece& piece : fuzz::Pieces(bytes)) {
        if (!piece.wellFormed || piece.bytes.size() == 2)
            return false;
        beyondAscii = beyondAscii || piece.bytes.size() > 2;
    }
    return beyondAscii;
}

void CheckEncoding(const IniDocument& document, std::string_view bytes) {
    const bool marked = bytes.starts_with("\xEF\xBB\xBF");
    Check((document.Encoding() == FileEncoding::Utf8WithBom) == marked,
          "a byte order mark, and only that, marks UTF-8");
    Check((document.Encoding() == FileEncoding::Utf8) == (!marked && ChineseUtf8(bytes)),
          "unmarked UTF-8 is told by its characters");
}

// The value a document of this encoding gives back for `value` written into it.
std::string StoredValue(std::string_view value, FileEncoding encoding) {
    return text::Trim(encoding == FileEncoding::Gbk ? text::gbk::ToUtf8(text::gbk::FromUtf8(value))
                                                    : value);
}

void CheckWrite(SettingsFile& file, const IniDocument& before, const Setting& target,
                std::string_view value) {
    file.WriteString(target.section, target.key, value);
    const IniDocument after = IniDocument::FromBytes(ReadFileBytes(file.Path()));
    const bool wasGbk = before.Encoding() == FileEncoding::Gbk;
    if (!wasGbk)
        Check(after.Encoding() != FileEncoding::Gbk, "a UTF-8 file stays UTF-8");
    // A GBK file that a write happens to turn into valid UTF-8 of Chinese
    // characters (the GBK bytes of "涓枃" are the UTF-8 of "中文") reads as
    // UTF-8 from then on; no rule on the bytes alone can tell the two apart.
    if (wasGbk && after.Encoding() != FileEncoding::Gbk)
        return;
    Check(after.Value(target.section, target.key) == StoredValue(value, before.Encoding()),
          "a written value reads back");
    for (const Setting& other : kSettings) {
        if (&other != &target) {
            Check(after.Value(other.section, other.key) == before.Value(other.section, other.key),
                  "a write leaves the other settings as they were");
        }
    }
}

}  // namespace

// The input is a settings file and a value to write into it: the file is the
// input up to its last line end, the value its last line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchDirectory directory;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t valueStart = input.rfind('\n') + 1;  // 0 when there is no line end
    const std::string bytes(input.substr(0, valueStart));
    const std::string_view value = input.substr(valueStart);

    const IniDocument document = IniDocument::FromBytes(bytes);
    Check(document.ToBytes() == bytes, "a document gives back the bytes it was read from");
    CheckEncoding(document, bytes);
    SettingsFile file(directory.File(settings::kSettingsFileName));
    WriteFileBytes(file.Path(), bytes);
    // Every read opens the file: two settings keep the runs short.
    const Setting& target = kSettings[size % std::size(kSettings)];
    const Setting& number = kSettings[(size / 7) % std::size(kSettings)];
    CheckReads(file, document, {target, number});

    CheckWrite(file, document, target, value);
    // An integer made of the input's length, into another setting.
    const int integer = static_cast<int>(size * 2654435761u);
    file.WriteInteger(number.section, number.key, integer);
    Check(file.ReadInteger(number.section, number.key, 0) == integer,
          "a written integer reads back");
    Check(file.ReadBool(number.section, number.key, integer == 0) == (integer != 0),
          "a boolean is a non-zero integer");
    return 0;
}
