// libFuzzer target: the field cipher on any stored value. Hexadecimal text
// decodes to one byte per pair and encodes back in upper case; anything else
// is refused with a ConversionError whose text can be shown; a value of odd
// length deciphers to nothing; what deciphers to text without replaced bytes
// enciphers back to the stored value, and any text survives enciphering.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_checks.h"
#include "store/field_cipher.h"
#include "store/store_error.h"
#include "text/gbk_text.h"
#include "text/text_rules.h"

namespace {

using fuzz::Check;

bool AllHex(std::string_view s) {
    for (char c : s) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

void CheckHex(std::string_view bytes) {
    const std::string hex = store::HexEncode(bytes);
    Check(hex.size() == 2 * bytes.size() && AllHex(hex) && text::UpperAscii(hex) == hex,
          "encoding gives two upper-case digits a byte");
    Check(store::HexDecode(hex) == bytes, "encoded bytes decode back");

    try {
        const std::string decoded = store::HexDecode(bytes);
        Check(AllHex(bytes), "only hexadecimal text decodes");
        Check(decoded.size() == (bytes.size() + 1) / 2, "one byte a pair");
        std::string padded = text::UpperAscii(bytes);
        if (padded.size() % 2 != 0)
            padded += '0';
        Check(store::HexEncode(decoded) == padded, "decoded bytes encode back");
    } catch (const store::ConversionError& e) {
        Check(!AllHex(bytes), "hexadecimal text decodes");
        Check(fuzz::IsUtf8(e.what()), "the error's text is well-formed UTF-8");
    }
}

void CheckDecipher(std::string_view stored) {
    std::optional<std::string> deciphered;
    try {
        deciphered = store::DecipherField(stored);
    } catch (const store::ConversionError& e) {
        Check(stored.size() % 2 == 0 && !AllHex(stored),
              "only an even non-hexadecimal value is refused");
        Check(fuzz::IsUtf8(e.what()), "the error's text is well-formed UTF-8");
        return;
    }
    Check(deciphered.has_value() == (stored.size() % 2 == 0),
          "a value of odd length deciphers to nothing");
    if (!deciphered)
        return;
    Check(AllHex(stored), "a non-hexadecimal value is refused");
    Check(fuzz::IsUtf8(*deciphered), "deciphered text is well-formed UTF-8");
    if (deciphered->find("\xEF\xBF\xBD") == std::string::npos)
        Check(store::EncipherField(*deciphered) == text::UpperAscii(stored),
              "deciphered text enciphers back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckHex(input);
    CheckDecipher(input);
    if (fuzz::IsUtf8(input)) {
        Check(store::DecipherField(store::EncipherField(input)) ==
                  text::gbk::ToUtf8(text::gbk::FromUtf8(input)),
              "text survives enciphering as it survives GBK");
    }
    return 0;
}
