// Header controls in the skin (TSkinHeader): each section from the
// Headerbar picture in its look (normal, pressed, disabled, hot), and the
// room after the last section as an empty section.
#pragma once

#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/looks.h"
#include "skin/skin_definition.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"

namespace skin {

using pixels::Bitmap;

struct HeaderSection {
    Rect place;  // as the control reports it, in its coordinates
    std::string caption;
    TextAlign align = TextAlign::Left;
};

struct HeaderFacts {
    std::vector<HeaderSection> sections;
    int pressed = -1;
    int hot = -1;
    bool enabled = true;
};

// Pressed, else hot, else normal; disabled over all.
Look HeaderLook(const HeaderFacts& facts, int index);

// The caption's room in a section: 6 pixels in from each end.
constexpr int kHeaderTextInset = 6;

// Composes the header over `place`: the sections with their captions in
// Headerbar's colour for the look (the system's button shadow when
// disabled), then an empty normal section from the last section's end to
// the control's.
void PaintHeader(Bitmap& target, Rect place, const HeaderFacts& facts, const SkinDefinition& skin,
                 TextPainter& font, const SystemLook& system);

}  // namespace skin
