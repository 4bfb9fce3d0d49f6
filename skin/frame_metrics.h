// The frame a skin gives a window: its thickness on each side, taken from
// the four border pictures.
#pragma once

#include "skin/geometry.h"
#include "skin/skin_definition.h"

namespace skin {

// How a window is framed: 0 sizeable, 1 a fixed border with a caption, 2 no
// caption, 3 a dialog frame.
enum class FrameKind { Sizeable = 0, Fixed = 1, NoCaption = 2, Dialog = 3 };

struct FrameMetrics {
    int BorderLeft = 0;
    int CaptionHeight = 0;
    int BorderRight = 0;
    int BorderBottom = 0;
    int MenuBarHeight = 0;

    // In window coordinates, for a window of this size.
    Rect ClientRect(Size window) const;
    Rect MenuBand(Size window) const;
};

// A window without a caption has no frame at all. Otherwise the states of
// the side borders lie side by side and those of the top and bottom borders
// one above the other, so each side's thickness is its picture's width or
// height divided by its frame count. The menu band is as high as asked.
FrameMetrics MeasureFrame(const SkinDefinition& skin, FrameKind kind, int menuBarHeight);

}  // namespace skin
