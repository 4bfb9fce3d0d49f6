#include "store/field_cipher.h"

#include "store/store_error.h"
#include "text/gbk_text.h"
#include "text/text_rules.h"
#include "text/utf8.h"

namespace store {
namespace {

constexpr std::string_view kKeyPhrase = "Keep Out Of My Data!";

// Twenty passes of XOR with one key byte each are one XOR with all of them.
constexpr unsigned char CombinedKey() {
    unsigned char k = 0;
    for (char c : kKeyPhrase)
        k ^= static_cast<unsigned char>(c);
    return k;
}

std::string XorWithKey(std::string bytes) {
    for (char& b : bytes)
        b = static_cast<char>(static_cast<unsigned char>(b) ^ CombinedKey());
    return bytes;
}

// The pair at `pos` as an error names it: widened to whole characters, so that
// a pair ending inside a Chinese character is not shown as broken text, and
// with any byte that is no character shown as the replacement character.
std::string QuotedPair(std::string_view hex, size_t pos) {
    const auto continues = [&](size_t i) {
        return (static_cast<unsigned char>(hex[i]) & 0xC0) == 0x80;
    };
    // A character takes at most four bytes, so at most three more on each side.
    size_t begin = pos, end = pos + 2;
    while (begin > 0 && pos - begin < 3 && continues(begin))
        --begin;
    while (end < hex.size() && end - pos < 5 && continues(end))
        ++end;
    std::string quoted;
    for (size_t i = begin; i < end;)
        text::utf8::Append(quoted, text::utf8::Next(hex.substr(0, end), i));
    return quoted;
}

}  // namespace

std::string HexEncode(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

std::string HexDecode(std::string_view hex) {
    std::string padded(hex);
    if (padded.size() % 2 != 0)
        padded += '0';
    std::string out;
    out.reserve(padded.size() / 2);
    for (size_t i = 0; i < padded.size(); i += 2) {
        const int high = text::HexDigit(padded[i]), low = text::HexDigit(padded[i + 1]);
        if (high < 0 || low < 0) {
            throw ConversionError("“" + QuotedPair(padded, i) + "”不是有效的十六进制数");
        }
        out += static_cast<char>(high * 16 + low);
    }
    return out;
}

std::optional<std::string> DecipherField(std::string_view stored) {
    if (stored.size() % 2 != 0)
        return std::nullopt;
    return text::gbk::ToUtf8(XorWithKey(HexDecode(stored)));
}

std::string EncipherField(std::string_view text) {
    return HexEncode(XorWithKey(text::gbk::FromUtf8(text)));
}

}  // namespace store
