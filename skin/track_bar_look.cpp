#include "skin/track_bar_look.h"

#include <algorithm>

#include "skin/control_colours.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {

using pixels::Pixel;

namespace {

constexpr int kTickLength = 3;
constexpr int kTickGap = 2;

const TSkinObject* Present(const std::unique_ptr<TSkinObject>& o) {
    return o && !o->Image.Empty() ? o.get() : nullptr;
}

// A tick at `at` along the bar, beside the thumb: before it (above or to
// the left) or after it.
Rect Tick(const TrackBarFacts& f, int at, bool before) {
    const Rect& t = f.thumb;
    if (f.vertical) {
        const int x = before ? t.left - kTickGap - kTickLength : t.right + kTickGap;
        return {x, at, x + kTickLength, at + 1};
    }
    const int y = before ? t.top - kTickGap - kTickLength : t.bottom + kTickGap;
    return {at, y, at + 1, y + kTickLength};
}

}  // namespace

const TSkinObject* TrackThumbPicture(const TrackBarFacts& f, const SkinDefinition& skin) {
    const TSkinObject* plain =
        Present(f.vertical ? skin.TrackbarThumbVert : skin.TrackbarThumbHorz);
    if (f.ticksBoth)
        return plain;
    const TSkinObject* pointed =
        f.vertical ? Present(f.ticksTopLeft ? skin.TrackbarThumbLeft : skin.TrackbarThumbRight)
                   : Present(f.ticksTopLeft ? skin.TrackbarThumbUp : skin.TrackbarThumbDown);
    return pointed ? pointed : plain;
}

Rect TrackChannel(const TrackBarFacts& f, const SkinDefinition& skin) {
    const TSkinObject* picture = Present(f.vertical ? skin.TrackVert : skin.Track);
    Rect c = f.channel;
    if (!picture)
        return c;
    if (f.vertical) {
        const int thickness = picture->Image.Width() / std::max(picture->Frame, 1);
        c.left = (f.channel.left + f.channel.right - thickness) / 2;
        c.right = c.left + thickness;
    } else {
        const int thickness = picture->Image.Height();
        c.top = (f.channel.top + f.channel.bottom - thickness) / 2;
        c.bottom = c.top + thickness;
    }
    return c;
}

std::vector<int> TrackTicks(const TrackBarFacts& f) {
    const int half = (f.vertical ? f.thumb.Height() : f.thumb.Width()) / 2;
    const int first = (f.vertical ? f.channel.top : f.channel.left) + half;
    const int last = (f.vertical ? f.channel.bottom : f.channel.right) - 1 - half;
    std::vector<int> ticks{first};
    ticks.insert(ticks.end(), f.ticks.begin(), f.ticks.end());
    if (last != first)
        ticks.push_back(last);
    return ticks;
}

void PaintTrackBar(Bitmap& target, Rect place, const TrackBarFacts& f, const SkinDefinition& skin,
                   const SystemLook& system) {
    const Colour background = f.background != kNoColour ? f.background : skin.Colours.ButtonFace;
    FillRect(target, place, PixelOf(background, system));
    if (const TSkinObject* channel = Present(f.vertical ? skin.TrackVert : skin.Track))
        DrawObjectState(target, Offset(TrackChannel(f, skin), place.left, place.top), *channel, 1);
    if (!f.noTicks) {
        const Pixel ink = PixelOf(skin.Colours.ButtonShadow, system);
        for (const int at : TrackTicks(f)) {
            if (f.ticksBoth || f.ticksTopLeft)
                FillRect(target, Offset(Tick(f, at, true), place.left, place.top), ink);
            if (f.ticksBoth || !f.ticksTopLeft)
                FillRect(target, Offset(Tick(f, at, false), place.left, place.top), ink);
        }
    }
    if (const TSkinObject* thumb = TrackThumbPicture(f, skin))
        DrawObjectState(target, Offset(f.thumb, place.left, place.top), *thumb,
                        SliceOf(PushButtonLook(f.thumbState)));
}

}  // namespace skin
