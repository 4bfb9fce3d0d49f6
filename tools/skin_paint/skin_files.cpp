#include "skin_files.h"

#include <cmath>

namespace paint {

void IniText::Section(std::string_view name) {
    for (current_ = 0; current_ < blocks_.size(); ++current_) {
        if (blocks_[current_].name == name)
            return;
    }
    blocks_.push_back({std::string(name), {}});
}

void IniText::Key(std::string_view key, std::string_view value) {
    blocks_.at(current_).keys.emplace_back(key, value);
}

std::string IniText::Text() const {
    std::string text;
    for (const Block& block : blocks_) {
        if (!text.empty())
            text += "\r\n";
        text += "[" + block.name + "]\r\n";
        for (const auto& [key, value] : block.keys)
            text += key + "=" + value + "\r\n";
    }
    return text;
}

void IniText::Key(std::string_view key, int value) {
    Key(key, std::to_string(value));
}

void IniText::Key(std::string_view key, Colour c) {
    const auto channel = [](float v) { return std::to_string(std::lround(v)); };
    Key(key, channel(c.r) + " " + channel(c.g) + " " + channel(c.b));
}

const std::string& SkinFiles::Add(std::string name, pixels::Bitmap bitmap) {
    pictures.push_back({std::move(name), std::move(bitmap)});
    return pictures.back().name;
}

pixels::Bitmap Strip(const std::vector<pixels::Bitmap>& slices) {
    const int w = slices.front().Width(), h = slices.front().Height();
    pixels::Bitmap out(w * static_cast<int>(slices.size()), h);
    for (size_t i = 0; i < slices.size(); ++i) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                out.At(static_cast<int>(i) * w + x, y) = slices[i].At(x, y);
        }
    }
    return out;
}

pixels::Bitmap Stack(const std::vector<pixels::Bitmap>& slices) {
    const int w = slices.front().Width(), h = slices.front().Height();
    pixels::Bitmap out(w, h * static_cast<int>(slices.size()));
    for (size_t i = 0; i < slices.size(); ++i) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                out.At(x, static_cast<int>(i) * h + y) = slices[i].At(x, y);
        }
    }
    return out;
}

}  // namespace paint
