// JPEG pictures (the About window's) decoded into bitmaps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "pixels/bitmap.h"

namespace ui {

// Answers nothing for data that is not a JPEG picture libjpeg can decode.
std::optional<pixels::Bitmap> DecodeJpeg(const uint8_t* data, size_t size);

}  // namespace ui
