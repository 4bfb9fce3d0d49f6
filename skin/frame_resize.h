// The arithmetic of putting a skinned frame around a window and taking it
// away again: the client area keeps its size both ways.
#pragma once

#include "skin/frame_metrics.h"
#include "skin/geometry.h"
#include "skin/skin_objects.h"

namespace skin {

// The window's size once the skinned frame (and menu band) is around a
// client area of this size.
Size SkinnedWindowSize(Size client, const FrameMetrics& m);

// A dialog's window widened so that its caption text fits between the
// caption's text shift and right clip, and how far its child windows move
// right to stay centred: half the widening.
struct CaptionFit {
    int Width = 0;
    int ChildShift = 0;

    bool operator==(const CaptionFit&) const = default;
};
CaptionFit FitCaptionText(int windowWidth, int captionTextWidth, const TSkinTitleObject& title);

// The window's size under the system's frame again: `nonClient` is the
// extent of the system's frame (window size less client size) remembered
// when the skinned frame started.
Size UnskinnedWindowSize(Size skinned, Size nonClient, const FrameMetrics& m);

}  // namespace skin
