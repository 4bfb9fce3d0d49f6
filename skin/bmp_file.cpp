#include "skin/bmp_file.h"

#include <array>
#include <bit>

namespace skin {

using pixels::Blue;
using pixels::Green;
using pixels::MakePixel;
using pixels::Pixel;
using pixels::Red;

namespace {

constexpr int64_t kMaxSide = 32767;
constexpr int64_t kMaxPixels = int64_t{1} << 26;

// Little-endian reads that check their bounds.
class Reader {
  public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Has(size_t offset, size_t n) const { return offset <= size_ && n <= size_ - offset; }
    uint32_t U16(size_t o) const { return data_[o] | (data_[o + 1] << 8); }
    uint32_t U32(size_t o) const {
        return data_[o] | (data_[o + 1] << 8) | (data_[o + 2] << 16) |
               (uint32_t{data_[o + 3]} << 24);
    }
    int32_t I32(size_t o) const { return static_cast<int32_t>(U32(o)); }
    uint8_t Byte(size_t o) const { return data_[o]; }

  private:
    const uint8_t* data_;
    size_t size_;
};

// One colour channel described by a bit mask, scaled to eight bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m = 0) : mask(m) {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        bits = std::popcount(mask);
    }
    bool Contiguous() const { return mask == 0 || ((mask >> shift) & ((mask >> shift) + 1)) == 0; }
    uint8_t Extract(uint32_t value) const {
        if (bits == 0)
            return 0;
        const uint32_t v = (value & mask) >> shift;
        const uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
        return static_cast<uint8_t>((static_cast<uint64_t>(v) * 255 + max / 2) / max);
    }
};

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

}  // namespace

std::optional<Bitmap> ReadBmp(const uint8_t* data, size_t size) {
    const Reader in(data, size);
    if (!in.Has(0, 18) || in.Byte(0) != 'B' || in.Byte(1) != 'M')
        return std::nullopt;
    const uint32_t pixelOffset = in.U32(10);
    const uint32_t headerSize = in.U32(14);
    if (!in.Has(14, headerSize))
        return std::nullopt;

    int64_t width, height;
    uint32_t bpp, compression = 0, paletteCount = 0;
    size_t paletteOffset, paletteEntry;
    std::array<uint32_t, 3> masks{};
    if (headerSize == 12) {  // the old OS/2 header
        width = in.U16(18);
        height = static_cast<int16_t>(in.U16(20));
        if (in.U16(22) != 1)
            return std::nullopt;
        bpp = in.U16(24);
        paletteOffset = 26;
        paletteEntry = 3;
    } else if (headerSize >= 40) {
        width = in.I32(18);
        height = in.I32(22);
        if (in.U16(26) != 1)
            return std::nullopt;
        bpp = in.U16(28);
        compression = in.U32(30);
        paletteCount = in.U32(46);
        paletteOffset = 14 + headerSize;
        paletteEntry = 4;
        if (compression == 3 || compression == 6) {  // bit fields
            const size_t at = headerSize >= 52 ? 54 : paletteOffset;
            if (!in.Has(at, 12))
                return std::nullopt;
            masks = {in.U32(at), in.U32(at + 4), in.U32(at + 8)};
            if (headerSize < 52)
                paletteOffset += compression == 6 ? 16 : 12;
        } else if (compression != 0) {
            return std::nullopt;  // run-length and embedded JPEG/PNG pictures
        }
    } else {
        return std::nullopt;
    }

    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        width * height > kMaxPixels) {
        return std::nullopt;
    }
    const bool paletted = bpp == 1 || bpp == 4 || bpp == 8;
    if (!paletted && bpp != 16 && bpp != 24 && bpp != 32)
        return std::nullopt;
    if ((compression == 3 || compression == 6) && bpp != 16 && bpp != 32)
        return std::nullopt;

    std::vector<Pixel> palette;
    if (paletted) {
        const uint32_t full = 1u << bpp;
        if (paletteCount == 0 || paletteCount > full)
            paletteCount = full;
        if (!in.Has(paletteOffset, static_cast<size_t>(paletteCount) * paletteEntry))
            return std::nullopt;
        for (uint32_t i = 0; i < paletteCount; ++i) {
            const size_t o = paletteOffset + i * paletteEntry;
            palette.push_back(MakePixel(in.Byte(o + 2), in.Byte(o + 1), in.Byte(o)));
        }
    }
    if (compression == 0 && bpp == 16)
        masks = {0x7C00, 0x03E0, 0x001F};
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    if (!red.Contiguous() || !green.Contiguous() || !blue.Contiguous())
        return std::nullopt;

    const size_t stride = static_cast<size_t>((width * bpp + 31) / 32) * 4;
    if (!in.Has(pixelOffset, stride * static_cast<size_t>(height)))
        return std::nullopt;

    Bitmap bitmap(static_cast<int>(width), static_cast<int>(height));
    for (int64_t row = 0; row < height; ++row) {
        const size_t line =
            pixelOffset + stride * static_cast<size_t>(topDown ? row : height - 1 - row);
        Pixel* out = bitmap.Row(static_cast<int>(row));
        for (int64_t x = 0; x < width; ++x) {
            Pixel p;
            if (paletted) {
                const size_t bit = static_cast<size_t>(x) * bpp;
                const uint32_t index =
                    (in.Byte(line + bit / 8) >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                p = index < palette.size() ? palette[index] : 0;
            } else if (bpp == 24) {
                const size_t o = line + static_cast<size_t>(x) * 3;
                p = MakePixel(in.Byte(o + 2), in.Byte(o + 1), in.Byte(o));
            } else if (bpp == 32 && compression == 0) {
                const size_t o = line + static_cast<size_t>(x) * 4;
                p = MakePixel(in.Byte(o + 2), in.Byte(o + 1), in.Byte(o));
            } else {
                const uint32_t v = bpp == 16 ? in.U16(line + static_cast<size_t>(x) * 2)
                                             : in.U32(line + static_cast<size_t>(x) * 4);
                p = MakePixel(red.Extract(v), green.Extract(v), blue.Extract(v));
            }
            out[x] = p;
        }
    }
    return bitmap;
}

std::optional<Bitmap> ReadPackedDib(const uint8_t* data, size_t size) {
    const Reader in(data, size);
    if (!in.Has(0, 4))
        return std::nullopt;
    const uint32_t headerSize = in.U32(0);
    if (!in.Has(0, headerSize))
        return std::nullopt;
    size_t pixelOffset = headerSize;
    if (headerSize == 12) {
        const uint32_t bpp = in.U16(10);
        if (bpp <= 8)
            pixelOffset += (size_t{1} << bpp) * 3;
    } else if (headerSize >= 40) {
        const uint32_t bpp = in.U16(14), compression = in.U32(16), used = in.U32(32);
        if ((compression == 3 || compression == 6) && headerSize < 52)
            pixelOffset += compression == 6 ? 16 : 12;
        const uint32_t full = bpp <= 8 ? 1u << bpp : 0;
        const uint32_t colours = bpp <= 8 && (used == 0 || used > full) ? full : used;
        pixelOffset += size_t{colours} * 4;
    } else {
        return std::nullopt;
    }
    constexpr size_t kFileHeader = 14;
    std::vector<uint8_t> file{'B', 'M'};
    Put32(file, static_cast<uint32_t>(kFileHeader + size));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(kFileHeader + pixelOffset));
    file.insert(file.end(), data, data + size);
    return ReadBmp(file);
}

std::vector<uint8_t> WriteBmp(const Bitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    const size_t stride = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
    const size_t imageSize = stride * h;
    std::vector<uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(54 + imageSize));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(w));
    Put32(out, static_cast<uint32_t>(h));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(imageSize));
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const Pixel* row = bitmap.Row(y);
        for (int x = 0; x < w; ++x) {
            out.push_back(Blue(row[x]));
            out.push_back(Green(row[x]));
            out.push_back(Red(row[x]));
        }
        out.resize(out.size() + (stride - static_cast<size_t>(w) * 3), 0);
    }
    return out;
}

}  // namespace skin
