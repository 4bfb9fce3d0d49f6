// libFuzzer target: a skin definition of any bytes, read in full against a
// few small member pictures, so that every key can reach the composition of
// the derived pictures with any margins and frame counts.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/bmp_file.h"
#include "skin/rgb_triple.h"
#include "skin/skin_definition.h"
#include "text/text_rules.h"

namespace {

class Look : public skin::SystemLook {
  public:
    skin::Colour SystemColourValue(int index) const override { return 0x102030 + index; }
    int HorzScrollArrowWidth() const override { return 17; }
    skin::Size MaximizedWindowSize() const override { return {1024, 738}; }
};

class Resources : public skin::ResourceBitmaps {
  public:
    std::optional<pixels::Bitmap> Load(std::string_view) const override {
        return pixels::Bitmap(9, 4, pixels::MakePixel(1, 2, 3));
    }
};

pixels::Bitmap Striped(int w, int h) {
    pixels::Bitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            b.At(x, y) = (x + y) % 3 == 0 ? pixels::kMagenta : pixels::MakePixel(x, y, 9);
    }
    return b;
}

// Pictures under short names a definition can refer to.
const std::map<std::string, std::vector<uint8_t>>& Pictures() {
    static const std::map<std::string, std::vector<uint8_t>> pictures = {
        {"A.BMP", skin::WriteBmp(Striped(1, 1))},
        {"B.BMP", skin::WriteBmp(Striped(24, 21))},
        {"C.BMP", skin::WriteBmp(Striped(12, 40))},
        {"D.BMP", skin::WriteBmp(Striped(130, 13))},
    };
    return pictures;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    skin::TSkinIni ini;
    ini.LoadFromStream(text);
    for (const std::string& line : ini.Lines())
        skin::ParseRgbTriple(line);

    const skin::MemberLookup members = [](const std::string& name) {
        const auto found = Pictures().find(text::UpperAscii(name));
        return found == Pictures().end() ? std::vector<uint8_t>() : found->second;
    };
    const Look look;
    const Resources resources;
    skin::GradientCache gradients;
    skin::SkinDefinition skin;
    skin::ReadSkinDefinition(ini, {members, look, resources, gradients}, skin);
    // A second definition over the first, as a skin switch does.
    skin::ReadSkinDefinition(ini, {members, look, resources, gradients}, skin);
    return 0;
}
