// TMediaPlayerPanel, the panel that draws a media player's button bar in
// the skin (for TSkinMP): its visible buttons side by side in equal
// shares of the bar, each a push-button face with its sign in the button
// text colour (the button shadow when disabled).
#pragma once

#include <vector>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_definition.h"
#include "skin/small_glyphs.h"
#include "skin/system_look.h"

namespace skin {

using pixels::Bitmap;

struct MediaButton {
    SmallGlyph sign = SmallGlyph::Play;
    bool enabled = true;
};

struct MediaPlayerFacts {
    std::vector<MediaButton> buttons;  // the visible ones, in order
    int pressed = -1;
    int hot = -1;
};

// Button `index` of `count` over a bar `width` wide and `height` high.
Rect MediaButtonPlace(int width, int height, int count, int index);

// The button under x, or -1.
int MediaButtonAt(int width, int count, int x);

void PaintMediaPlayer(Bitmap& target, Rect place, const MediaPlayerFacts& facts,
                      const SkinDefinition& skin, const SystemLook& system);

}  // namespace skin
