// The border a skinned control wears over its own: edit boxes (TSkinEdit),
// date-time pickers, and the controls whose scroll bars the skin covers
// (TSkinScrollbar): the outer ring in ButtonShadow, the ring inside it in
// ButtonFace. The control paints its inside itself; the window half copies
// only the border's strips onto the window.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

// How many of the two rings fit the control's own border: its thinnest
// side between the window's edge and the client area, at most 2.
int BorderRings(Size window, Rect client);

// Whether the skin's own painting covers a control's whole frame (the part
// of the window outside its client area): the rings along the window's
// edge, and `covers` (the overlays over its scroll bars and the corner
// between them, in window coordinates). The control's own drawing of its
// frame could then show nowhere.
bool FrameCovered(Size window, Rect client, int rings, std::span<const Rect> covers);

// Whether a control whose scroll bars the skin covers gets the rings: not
// with BorderStyle bsNone, nor for the class TImageScrollBox.
bool ScrollControlHasBorder(bool borderStyleNone, std::string_view className);

// Draws `rings` rings (0 to 2) along the inside of `place`.
void PaintControlBorder(Bitmap& target, Rect place, int rings, const SkinDefinition& skin,
                        const SystemLook& system);

// The four strips `rings` wide along the inside of `place` (top, bottom,
// left, right), which together hold the border.
std::array<Rect, 4> BorderStrips(Rect place, int rings);

}  // namespace skin
