// Status bars in the skin: panels on the button face, each with its edge
// and text, and the size grip.
#pragma once

#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

enum class PanelBevel { Lowered, Raised, None };

struct StatusPanel {
    Rect Place;  // as the bar reports it
    PanelBevel Bevel = PanelBevel::Lowered;
    std::string Text;
    TextAlign Align = TextAlign::Left;
};

// Composes the bar over `place`: the button face, then each panel's edge
// (StatusBarEdges, or a one-pixel edge in the system's colours without it)
// over its rectangle widened by 2 at the right, the last reaching the bar's
// end, and its text inset by 2; with `sizeGrip`, ExtraImages' grip in the
// bottom-right corner. The text takes StatusBarEdges' NormalColour2, else
// `fontColour`.
void PaintStatusBar(Bitmap& target, Rect place, const SkinDefinition& skin,
                    const std::vector<StatusPanel>& panels, bool sizeGrip, Colour fontColour,
                    TextPainter& font, const SystemLook& look);

}  // namespace skin
