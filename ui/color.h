// Colours of the widget layer: 0x00BBGGRR for an explicit colour,
// 0xFF0000nn for the system colour with index nn.
#pragma once

#include <cstdint>

namespace ui {

using TColor = int32_t;

constexpr TColor kSystemColorFlag = static_cast<TColor>(0xFF000000);
constexpr TColor SystemColor(int index) {
    return kSystemColorFlag | index;
}
constexpr bool IsSystemColor(TColor c) {
    return (c & kSystemColorFlag) == kSystemColorFlag;
}
constexpr int SystemColorIndex(TColor c) {
    return c & 0xFF;
}
constexpr TColor RGBColor(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// The system colour indexes the program uses (the values of COLOR_*).
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clNone = 0x1FFFFFFF;

}  // namespace ui
