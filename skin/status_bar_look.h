// Status bars in the skin (TSkinStatusBar): panels on the button face, each
// with its edge and text, and the size grip.
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
    Rect place;  // as the bar reports it, in the bar's coordinates
    PanelBevel bevel = PanelBevel::Lowered;
    // The text style; an owner-drawn panel shows no text of ours.
    bool textStyle = true;
    std::string text;
    TextAlign align = TextAlign::Left;
    bool rightToLeft = false;
};

struct StatusBarFacts {
    // SimplePanel is set, or the bar has no panels.
    bool simple = false;
    std::string simpleText;
    bool rightToLeft = false;
    std::vector<StatusPanel> panels;
    bool sizeGrip = false;  // the window has the size-grip style (0x100)
    Colour fontColour = 0;
};

// Where the panels are painted, in the bar's coordinates: each rectangle the
// bar reports 2 pixels wider at the right, the last reaching the bar's
// right edge.
std::vector<Rect> StatusPanelPlaces(const std::vector<StatusPanel>& panels, int barWidth);

// The StatusBarEdges slice of a bevel: lowered 1, raised 2, none 3.
int StatusBevelSlice(PanelBevel bevel);

// A panel's text alignment: left and right swap for a right-to-left panel.
TextAlign PanelTextAlign(TextAlign align, bool rightToLeft);

// Composes the bar over `place`: the button face; a simple bar as one
// lowered panel over the whole with its text (a single space when empty)
// inset by 2, left-aligned (right-aligned right to left); otherwise each
// panel's edge over its place (StatusBarEdges, or a one-pixel edge in the
// system's colours without it) and, for a text panel, its text inset by 2;
// with the size grip, ExtraImages' grip slice with its bottom-right corner
// 1 pixel inside the bar's. The text takes StatusBarEdges' NormalColour2,
// else the font colour.
void PaintStatusBar(Bitmap& target, Rect place, const StatusBarFacts& facts,
                    const SkinDefinition& skin, TextPainter& font, const SystemLook& system);

}  // namespace skin
