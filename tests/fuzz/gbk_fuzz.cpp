// libFuzzer target: the GB18030/GBK codec and the UTF-8 walk under it, on
// any bytes read both as GBK and as UTF-8. Decoding always gives well-formed
// UTF-8 and, where it replaced nothing, encodes back to the same bytes;
// encoding goes character by character, each character that GB18030 has
// comes back unchanged, and only a few private-use ones become "?"; the
// byte limit keeps the longest start of the text that fits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "text/gbk_text.h"
#include "text/utf8.h"

namespace {

using fuzz::Check;

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

bool IsPrivateUse(std::string_view character) {
    size_t pos = 0;
    const char32_t cp = text::utf8::Next(character, pos);
    return cp >= 0xE000 && cp <= 0xF8FF;
}

// utf8::Next steps over exactly the well-formed sequences, and over one byte
// of anything else, giving the replacement character for it.
void CheckUtf8Walk(std::string_view utf8Text) {
    for (size_t pos = 0; pos < utf8Text.size();) {
        const size_t length = fuzz::WellFormedLength(utf8Text, pos);
        const size_t start = pos;
        const char32_t cp = text::utf8::Next(utf8Text, pos);
        if (length == 0) {
            Check(cp == text::utf8::kReplacement && pos == start + 1,
                  "a malformed byte is skipped alone");
            continue;
        }
        Check(pos == start + length, "a character is stepped over whole");
        std::string again;
        text::utf8::Append(again, cp);
        Check(again == utf8Text.substr(start, length), "a character is written back as read");
    }
}

void CheckDecoding(std::string_view bytes) {
    const std::string decoded = text::gbk::ToUtf8(bytes);
    Check(fuzz::IsUtf8(decoded), "decoding gives well-formed UTF-8");
    if (decoded.find(kReplacementUtf8) == std::string::npos)
        Check(text::gbk::FromUtf8(decoded) == bytes, "decoded text encodes back to its bytes");
}

void CheckEncoding(std::string_view utf8Text) {
    const std::string encoded = text::gbk::FromUtf8(utf8Text);
    Check(text::gbk::ByteLength(utf8Text) == encoded.size(),
          "the byte length is that of the encoding");
    std::string byCharacter, expectedBack;
    for (const fuzz::Piece& piece : fuzz::Pieces(utf8Text)) {
        if (!piece.wellFormed) {
            byCharacter += '?';
            expectedBack += '?';
            continue;
        }
        const std::string one = text::gbk::FromUtf8(piece.bytes);
        byCharacter += one;
        if (one == "?" && piece.bytes != "?") {
            Check(IsPrivateUse(piece.bytes), "only private-use characters lack a code");
            expectedBack += '?';
        } else {
            expectedBack += piece.bytes;
        }
    }
    Check(encoded == byCharacter, "a text encodes character by character");
    Check(text::gbk::ToUtf8(encoded) == expectedBack, "every encoded character decodes back");
}

void CheckLimit(std::string_view utf8Text, size_t maxBytes) {
    const std::string limited = text::gbk::LimitBytes(utf8Text, maxBytes);
    Check(utf8Text.starts_with(limited), "the limited text is a start of the text");
    Check(text::gbk::ByteLength(limited) <= maxBytes, "the limited text fits");
    if (limited.size() == utf8Text.size())
        return;
    size_t next = limited.size() + fuzz::WellFormedLength(utf8Text, limited.size());
    if (next == limited.size())
        ++next;
    Check(text::gbk::ByteLength(utf8Text.substr(0, next)) > maxBytes,
          "the limit keeps every character that fits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckUtf8Walk(input);
    CheckDecoding(input);
    CheckEncoding(input);
    CheckLimit(input, size % 23);
    CheckLimit(input, text::gbk::ByteLength(input) / 2);
    return 0;
}
