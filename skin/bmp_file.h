// Windows BMP files: reading the formats skins are drawn in, writing 24-bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "pixels/bitmap.h"

namespace skin {

using pixels::Bitmap;

// Reads an uncompressed Windows BMP of 1, 4, 8, 16, 24 or 32 bits per pixel
// (bit-field masks included), bottom-up or top-down. Answers nothing for a
// file that is truncated, malformed, compressed otherwise or implausibly
// large; never reads outside `data`.
std::optional<Bitmap> ReadBmp(const uint8_t* data, size_t size);
inline std::optional<Bitmap> ReadBmp(const std::vector<uint8_t>& file) {
    return ReadBmp(file.data(), file.size());
}

// A bitmap resource of an executable: a BMP file without its 14-byte file
// header, the pixels right behind the header and the colour table.
std::optional<Bitmap> ReadPackedDib(const uint8_t* data, size_t size);

// A 24-bit bottom-up BMP file of the bitmap.
std::vector<uint8_t> WriteBmp(const Bitmap& bitmap);

}  // namespace skin
