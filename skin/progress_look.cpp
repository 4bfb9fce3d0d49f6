#include "skin/progress_look.h"

#include <algorithm>
#include <cstdint>

#include "skin/control_colours.h"
#include "skin/rect_fill.h"
#include "skin/skin_object_drawing.h"

namespace skin {
namespace {

constexpr int kChunkGap = 2;

// Lying pictures first, standing second, when the picture holds both.
int Orientation(const TSkinObject& o, bool vertical) {
    return vertical && o.Frame >= 2 ? 2 : 1;
}

// A piece of the filled part, from `from` to `to` along the bar.
Rect Piece(Rect inside, bool vertical, int from, int to) {
    if (vertical)
        return {inside.left, inside.bottom - to, inside.right, inside.bottom - from};
    return {inside.left + from, inside.top, inside.left + to, inside.bottom};
}

}  // namespace

Rect ProgressInside(Rect place, const SkinDefinition& skin) {
    if (skin.Progress) {
        const Rect inside{
            place.left + skin.Progress->LeftWidth, place.top + skin.Progress->TopHeight,
            place.right - skin.Progress->RightWidth, place.bottom - skin.Progress->BottomHeight};
        if (!inside.Empty())
            return inside;
    }
    return Inflate(place, -1, -1);
}

Rect ProgressFilled(Rect inside, const ProgressFacts& f) {
    const int length = f.vertical ? inside.Height() : inside.Width();
    if (f.max <= f.min || length <= 0)
        return Piece(inside, f.vertical, 0, 0);
    const int64_t done =
        std::clamp<int64_t>(int64_t{f.position} - f.min, 0, int64_t{f.max} - f.min);
    const auto filled = static_cast<int>(done * length / (int64_t{f.max} - f.min));
    return Piece(inside, f.vertical, 0, filled);
}

int ProgressChunkLength(Rect inside, bool vertical) {
    return std::max(2, (vertical ? inside.Width() : inside.Height()) * 2 / 3);
}

void PaintProgressBar(Bitmap& target, Rect place, const ProgressFacts& f,
                      const SkinDefinition& skin, const SystemLook& system) {
    FillRect(target, place, PixelOf(skin.Colours.ButtonFace, system));
    if (skin.Progress && !skin.Progress->Image.Empty())
        DrawObjectState(target, place, *skin.Progress, Orientation(*skin.Progress, f.vertical));
    const Rect inside = ProgressInside(place, skin);
    const Rect filled = ProgressFilled(inside, f);
    if (filled.Empty())
        return;
    const TSkinObject* chunk = skin.ProgressChunk && !skin.ProgressChunk->Image.Empty()
                                   ? skin.ProgressChunk.get()
                                   : nullptr;
    const auto paint = [&](Rect piece) {
        if (chunk)
            DrawObjectState(target, piece, *chunk, Orientation(*chunk, f.vertical));
        else
            FillRect(target, piece, PixelOf(skin.Colours.Hilight, system));
    };
    if (f.smooth) {
        paint(filled);
        return;
    }
    const int length = f.vertical ? inside.Height() : inside.Width();
    const int done = f.vertical ? filled.Height() : filled.Width();
    const int step = ProgressChunkLength(inside, f.vertical);
    for (int at = 0; at < done; at += step + kChunkGap)
        paint(Piece(inside, f.vertical, at, std::min(at + step, length)));
}

}  // namespace skin
