// The small symbols of the skins: caption-button signs, arrows, check marks,
// grips. Each is a shape fitted into the given box.
#pragma once

#include "canvas.h"

namespace paint {

enum class Direction { Left, Right, Up, Down };

// Caption-button signs; `weight` is the stroke width.
Shape CloseSign(Rect box, float weight);
Shape MaximiseSign(Rect box, float weight);
Shape RestoreSign(Rect box, float weight);
Shape MinimiseSign(Rect box, float weight);

// A solid triangle pointing that way, as wide as the box allows.
Shape Arrow(Rect box, Direction d);
Shape CheckMark(Rect box, float weight);
Shape Dot(Rect box);
// Three ridges across a scroll thumb: lines along y for a horizontal
// thumb (`across` false) or along x.
Shape Ridges(Rect box, bool across);
// The diagonal rows of dots of a size grip, in the box's bottom-right.
Shape SizeGrip(Rect box);

}  // namespace paint
