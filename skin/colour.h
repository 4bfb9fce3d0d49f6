// The skin engine's colour value: 0x00BBGGRR for an explicit colour (the
// byte order of a Windows COLORREF), 0xFF0000nn for the system colour with
// index nn, -1 for a colour that is not given.
#pragma once

#include <cstdint>

#include "pixels/bitmap.h"

namespace skin {

using pixels::Blue;
using pixels::Green;
using pixels::MakePixel;
using pixels::Pixel;
using pixels::Red;

using Colour = int32_t;

constexpr Colour kNoColour = -1;
constexpr Colour kWhite = 0xFFFFFF;

// Indices of the system colours the skin definition falls back on.
enum class SystemColourIndex : int {
    ScrollBar = 0,
    Menu = 4,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
};

constexpr Colour MakeColour(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Colour>(r | (uint32_t{g} << 8) | (uint32_t{b} << 16));
}
constexpr Colour SystemColour(SystemColourIndex index) {
    return static_cast<Colour>(0xFF000000u | static_cast<uint32_t>(index));
}
constexpr bool IsSystemColour(Colour c) {
    return (static_cast<uint32_t>(c) & 0xFFFFFF00u) == 0xFF000000u;
}
constexpr int SystemColourIndexOf(Colour c) {
    return static_cast<int>(static_cast<uint32_t>(c) & 0xFF);
}

constexpr uint8_t ColourRed(Colour c) {
    return static_cast<uint8_t>(c);
}
constexpr uint8_t ColourGreen(Colour c) {
    return static_cast<uint8_t>(c >> 8);
}
constexpr uint8_t ColourBlue(Colour c) {
    return static_cast<uint8_t>(c >> 16);
}

// Between an explicit colour and a pixel of a Bitmap (0x00RRGGBB).
constexpr Pixel ColourToPixel(Colour c) {
    return MakePixel(ColourRed(c), ColourGreen(c), ColourBlue(c));
}
constexpr Colour PixelToColour(Pixel p) {
    return MakeColour(Red(p), Green(p), Blue(p));
}

}  // namespace skin
