// What painting a skin produces: its definition text and its bitmaps, each
// under the member name the definition refers to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "colour.h"
#include "pixels/bitmap.h"

namespace paint {

// The definition file. Keys go to the section last chosen; sections keep the
// order in which they were first chosen, so each painter can add its keys to
// a shared section such as [Personality].
class IniText {
  public:
    void Section(std::string_view name);
    void Key(std::string_view key, std::string_view value);
    void Key(std::string_view key, int value);
    // "r g b", the form the definition's colour keys take.
    void Key(std::string_view key, Colour colour);
    std::string Text() const;

  private:
    struct Block {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    std::vector<Block> blocks_;
    size_t current_ = 0;
};

struct SkinFiles {
    IniText ini;
    struct Picture {
        std::string name;
        pixels::Bitmap bitmap;
    };
    std::vector<Picture> pictures;

    // Adds the picture under `name` (lower case, ".bmp") and returns the name
    // for the definition to refer to.
    const std::string& Add(std::string name, pixels::Bitmap bitmap);
};

// Side by side, left to right: the states of an object's picture.
pixels::Bitmap Strip(const std::vector<pixels::Bitmap>& slices);
// One above the other: the states of the top and bottom frame borders.
pixels::Bitmap Stack(const std::vector<pixels::Bitmap>& slices);

}  // namespace paint
