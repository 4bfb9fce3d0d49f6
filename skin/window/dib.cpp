#include "skin/window/dib.h"

#include <algorithm>
#include <vector>

namespace skin::window {
namespace {

constexpr uint32_t kColourBits = 0xFFFFFF;

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Rect Clip(Rect r, int width, int height) {
    return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width),
            std::min(r.bottom, height)};
}

// The pixels of a bitmap handle, top row first, as 32-bit 0xAARRGGBB.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info = TopDownInfo(width, height);
    ui::WindowDC screen(nullptr);
    if (!GetDIBits(screen.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS))
        pixels.clear();
    return pixels;
}

}  // namespace

DibSection::DibSection(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), dc_(CreateCompatibleDC(nullptr)) {
    const BITMAPINFO info = TopDownInfo(width_, height_);
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !dc_)
        throw std::bad_alloc();
    bits_ = static_cast<uint32_t*>(bits);
    previous_ = SelectObject(dc_.get(), bitmap_.get());
}

DibSection::~DibSection() {
    SelectObject(dc_.get(), previous_);
}

void DibSection::Load(const Bitmap& picture, Point from) {
    GdiFlush();
    for (int y = 0; y < height_; ++y) {
        const int sy = from.y + y;
        for (int x = 0; x < width_; ++x) {
            const int sx = from.x + x;
            const bool inside = sx >= 0 && sy >= 0 && sx < picture.Width() && sy < picture.Height();
            Row(y)[x] = inside ? picture.At(sx, sy) : 0;
        }
    }
}

void DibSection::Store(Bitmap& picture, Point to) const {
    GdiFlush();
    for (int y = 0; y < height_; ++y) {
        const int ty = to.y + y;
        if (ty < 0 || ty >= picture.Height())
            continue;
        for (int x = 0; x < width_; ++x) {
            const int tx = to.x + x;
            if (tx >= 0 && tx < picture.Width())
                picture.At(tx, ty) = Row(y)[x] & kColourBits;
        }
    }
}

void Blit(HDC dc, const Bitmap& picture, Rect part, Point offset) {
    const Rect r = Clip(part, picture.Width(), picture.Height());
    if (r.Empty())
        return;
    std::vector<uint32_t> rows(static_cast<size_t>(r.Width()) * r.Height());
    for (int y = 0; y < r.Height(); ++y)
        std::copy_n(picture.Row(r.top + y) + r.left, r.Width(),
                    rows.begin() + static_cast<ptrdiff_t>(y) * r.Width());
    const BITMAPINFO info = TopDownInfo(r.Width(), r.Height());
    SetDIBitsToDevice(dc, r.left + offset.x, r.top + offset.y, r.Width(), r.Height(), 0, 0, 0,
                      r.Height(), rows.data(), &info, DIB_RGB_COLORS);
}

Bitmap IconPicture(HICON icon, Size size) {
    Bitmap picture(size.width, size.height, pixels::kMagenta);
    if (!icon || picture.Empty())
        return picture;
    const ui::OwnedIcon sized(
        static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size.width, size.height, 0)));
    ICONINFO info{};
    if (!sized || !GetIconInfo(sized.get(), &info))
        return picture;
    const ui::OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP maskShape{};
    GetObjectW(mask.get(), sizeof maskShape, &maskShape);
    // A monochrome icon keeps its image under its mask in one bitmap.
    const int maskHeight = colour ? size.height : size.height * 2;
    if (maskShape.bmWidth != size.width || maskShape.bmHeight != maskHeight)
        return picture;
    const std::vector<uint32_t> masks = PixelsOf(mask.get(), size.width, maskHeight);
    const std::vector<uint32_t> image =
        colour ? PixelsOf(colour.get(), size.width, size.height)
               : std::vector<uint32_t>(masks.begin() + masks.size() / 2, masks.end());
    if (masks.empty() || image.size() != static_cast<size_t>(size.width) * size.height)
        return picture;
    const bool alpha = std::any_of(image.begin(), image.end(), [](uint32_t p) { return p >> 24; });
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const size_t i = static_cast<size_t>(y) * size.width + x;
            const bool drawn = alpha ? (image[i] >> 24) >= 128 : (masks[i] & kColourBits) == 0;
            if (!drawn)
                continue;
            picture.At(x, y) = image[i] & kColourBits;
        }
    }
    return picture;
}

Bitmap ScreenPicture(Rect area) {
    DibSection dib(area.Width(), area.Height());
    {
        ui::WindowDC screen(nullptr);
        BitBlt(dib.Dc(), 0, 0, area.Width(), area.Height(), screen.get(), area.left, area.top,
               SRCCOPY);
    }
    Bitmap picture(area.Width(), area.Height());
    dib.Store(picture, {0, 0});
    return picture;
}

}  // namespace skin::window
