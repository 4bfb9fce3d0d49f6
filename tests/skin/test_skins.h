// Small pictures and definitions for the tests of skin loading.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/bitmap_reference.h"
#include "skin/bmp_file.h"
#include "skin/resource_bitmaps.h"
#include "text/text_rules.h"

namespace skintest {

// A picture of `states` side-by-side states, each `w` x `h` and filled with
// its own colour: state i (from 1) is StateColour(tag, i).
inline pixels::Pixel StateColour(uint8_t tag, int state) {
    return pixels::MakePixel(tag, static_cast<uint8_t>(state), 200);
}
inline pixels::Bitmap States(uint8_t tag, int states, int w, int h) {
    pixels::Bitmap b(w * states, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w * states; ++x)
            b.At(x, y) = StateColour(tag, x / w + 1);
    }
    return b;
}

// Archive members by name, found whatever the letter case of the request.
class Members {
  public:
    void Add(const std::string& name, const pixels::Bitmap& picture) {
        files_[text::UpperAscii(name)] = skin::WriteBmp(picture);
    }
    void AddBytes(const std::string& name, std::vector<uint8_t> bytes) {
        files_[text::UpperAscii(name)] = std::move(bytes);
    }
    skin::MemberLookup Lookup() const {
        return [this](const std::string& name) {
            const auto found = files_.find(text::UpperAscii(name));
            return found == files_.end() ? std::vector<uint8_t>() : found->second;
        };
    }

  private:
    std::map<std::string, std::vector<uint8_t>> files_;
};

class Resources : public skin::ResourceBitmaps {
  public:
    std::optional<pixels::Bitmap> Load(std::string_view name) const override {
        const auto found = pictures.find(std::string(name));
        if (found == pictures.end())
            return std::nullopt;
        return found->second;
    }

    std::map<std::string, pixels::Bitmap> pictures;
};

}  // namespace skintest
