// The painting of a skinned window's non-client area: borders, caption bar,
// caption buttons and, without a menu bar, the empty menu band. The window
// half blits exactly these pictures, so a test can compare a real window's
// pixels with them.
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

// Everything of the frame but the caption buttons, into a picture as large
// as the window: left, right and bottom border, then the top border with the
// caption text over it. The client area and the menu band are left alone.
// The window half keeps this picture to repaint single buttons over it.
void PaintBordersAndCaption(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                            bool active, std::string_view caption, TextPainter& captionFont,
                            const SystemLook& look);

// The menu band of a window that has one but no menu bar to paint it: the
// skin's button face.
void FillMenuBand(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                  const SystemLook& look);

// Lays the buttons out and draws the visible ones, each in slice 1, or 4
// while the window is inactive; the buttons of the menu band are the menu
// bar's to draw. `icon` is the window's small icon with magenta for
// transparent.
void PaintCaptionButtons(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                         const CaptionState& state, std::vector<TCaptionButton>& buttons,
                         const Bitmap& icon);

// The whole frame of a window with a caption: PaintBordersAndCaption, then
// PaintCaptionButtons. A window without a caption gets nothing.
void PaintFrame(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                const CaptionState& state, std::vector<TCaptionButton>& buttons,
                std::string_view caption, TextPainter& captionFont, const Bitmap& icon,
                const SystemLook& look);

// A minimised window: the button face, the top border across the whole
// width, the caption text and the caption buttons.
void PaintMinimisedCaption(Bitmap& window, const SkinDefinition& skin, const FrameMetrics& m,
                           const CaptionState& state, std::vector<TCaptionButton>& buttons,
                           std::string_view caption, TextPainter& captionFont, const Bitmap& icon,
                           const SystemLook& look);

// One button after a change of state: its place is taken back from
// `background` (the frame as PaintBordersAndCaption left it) and the button
// drawn over it in the slice of its state.
void RepaintCaptionButton(Bitmap& window, const Bitmap& background, const TCaptionButton& button,
                          const Bitmap& icon);

}  // namespace skin
