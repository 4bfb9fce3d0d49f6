// The painting of a skinned window's borders and caption bar.
#pragma once

#include <string_view>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/caption_buttons.h"
#include "skin/frame_metrics.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

// The rectangle the caption text goes into: from TextShift to TextRightClip
// short of the right edge, its top at TextShiftVert and FontHeight high
// (to the caption's bottom when no height is given).
Rect CaptionTextBox(const TSkinTitleObject& title, int windowWidth, const FrameMetrics& m);

// Paints the borders and the caption bar of a window as large as `window`:
// left, right and bottom border, then the top border with the caption text
// over it and the visible caption buttons (each in slice 1, or 4 while the
// window is inactive) on top. The menu band and the client area are left
// alone. `buttons` is laid out first; `icon` is the window's small icon with
// magenta for transparent.
void PaintFrame(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                const CaptionState& state, std::vector<CaptionButton>& buttons,
                std::string_view caption, TextPainter& captionFont, const Bitmap& icon,
                const SystemLook& look);

}  // namespace skin
