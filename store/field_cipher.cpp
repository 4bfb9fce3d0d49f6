#include "store/field_cipher.h"

#include "store/store_error.h"
#include "text/gbk_text.h"
#include "text/text_rules.h"

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
            throw ConversionError("“" + padded.substr(i, 2) + "”不是有效的十六进制数");
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
