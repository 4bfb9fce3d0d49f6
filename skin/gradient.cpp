#include "skin/gradient.h"

#include <algorithm>
#include <cstdint>

namespace skin {

using pixels::MakePixel;

namespace {

uint8_t RampComponent(int start, int end, int64_t i, int64_t length) {
    if (length == 1)
        return static_cast<uint8_t>(start + (end - start) / 2);
    return static_cast<uint8_t>(start + ((length - 1) / 2 + i * (end - start)) / (length - 1));
}

}  // namespace

std::vector<Pixel> MakeRamp(Colour start, Colour end, int length) {
    std::vector<Pixel> ramp;
    ramp.reserve(static_cast<size_t>(std::max(length, 0)));
    for (int i = 0; i < length; ++i) {
        ramp.push_back(MakePixel(RampComponent(ColourRed(start), ColourRed(end), i, length),
                                 RampComponent(ColourGreen(start), ColourGreen(end), i, length),
                                 RampComponent(ColourBlue(start), ColourBlue(end), i, length)));
    }
    return ramp;
}

const std::vector<Pixel>& GradientCache::Ramp(Colour start, Colour end, int length) {
    // The slots are keyed by the colours asked for: the ramp's own first and
    // last entries differ from them for one-line ramps and for falling
    // components, and would never match or match the wrong request.
    for (size_t i = slots_.size(); i-- > 0;) {
        const Slot& s = slots_[i];
        if (!s.ramp.empty() && s.ramp.size() == static_cast<size_t>(length) && s.start == start &&
            s.end == end) {
            return s.ramp;
        }
    }
    Slot& slot = slots_[next_];
    next_ = (next_ + 1) % slots_.size();
    slot = {start, end, MakeRamp(start, end, length)};
    return slot.ramp;
}

void FillVerticalGradient(Bitmap& bitmap, Rect area, Rect clip, Colour start, Colour end,
                          GradientCache& cache, const SystemLook& look) {
    const int64_t length = int64_t{area.bottom} - area.top;
    if (length <= 0 || area.Empty())
        return;
    const int top = std::max({area.top, clip.top, 0});
    const int bottom = std::min({area.bottom, clip.bottom, bitmap.Height()});
    const int left = std::max({area.left, clip.left, 0});
    const int right = std::min({area.right, clip.right, bitmap.Width()});
    if (top >= bottom || left >= right)
        return;
    const std::vector<Pixel>& ramp =
        cache.Ramp(ResolveColour(start, look), ResolveColour(end, look), static_cast<int>(length));
    for (int y = top; y < bottom; ++y)
        std::fill(bitmap.Row(y) + left, bitmap.Row(y) + right, ramp[y - area.top]);
}

}  // namespace skin
