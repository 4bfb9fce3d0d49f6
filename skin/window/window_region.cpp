#include "skin/window/window_region.h"

#include <cstring>
#include <vector>

namespace skin::window {

OwnedRegion RegionOf(const PixelMask& mask) {
    const Size size = mask.GetSize();
    std::vector<RECT> runs;
    for (int y = 0; y < size.height; ++y) {
        int x = 0;
        while (x < size.width) {
            if (!mask.Contains(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < size.width && mask.Contains(x, y))
                ++x;
            runs.push_back({start, y, x, y + 1});
        }
    }
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(runs.size());
    header.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header.rcBound = {0, 0, size.width, size.height};
    std::memcpy(data.data(), &header, sizeof header);
    if (!runs.empty())
        std::memcpy(data.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
    return OwnedRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                       reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace skin::window
