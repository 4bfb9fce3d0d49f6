// Paints the program's own pictures: the tool bar and tree images (a strip of
// 20 × 20 images on magenta), the program icon, the tray icon, and the About
// window's two pictures (JPEG).
//
//   paint_app_pictures OUTPUT_DIRECTORY
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/bmp_file.h"

// libjpeg's header needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

using pixels::Bitmap;
using pixels::MakePixel;
using pixels::Pixel;

// A colour with coverage, for soft edges on small pictures.
struct Paint {
    double r, g, b;
};

Paint FromPixel(Pixel p) {
    return {double(pixels::Red(p)), double(pixels::Green(p)), double(pixels::Blue(p))};
}

void Blend(Bitmap& bmp, int x, int y, Paint c, double coverage) {
    if (x < 0 || y < 0 || x >= bmp.Width() || y >= bmp.Height() || coverage <= 0)
        return;
    coverage = std::min(coverage, 1.0);
    Pixel& p = bmp.At(x, y);
    const auto mix = [&](double a, double b) {
        return static_cast<uint8_t>(std::lround(a + (b - a) * coverage));
    };
    // Over a transparent pixel a soft edge would turn pinkish; keep it solid
    // from half coverage on, and transparent below.
    if (p == pixels::kMagenta) {
        if (coverage >= 0.5)
            p = MakePixel(uint8_t(c.r), uint8_t(c.g), uint8_t(c.b));
        return;
    }
    const Paint old = FromPixel(p);
    p = MakePixel(mix(old.r, c.r), mix(old.g, c.g), mix(old.b, c.b));
}

// Fills the area where inside(x, y) holds, sampling each pixel 4 × 4 times.
template <class Inside>
void FillShape(Bitmap& bmp, int x0, int y0, int x1, int y1, Paint c, Inside inside) {
    for (int y = std::max(0, y0); y < std::min(bmp.Height(), y1); ++y) {
        for (int x = std::max(0, x0); x < std::min(bmp.Width(), x1); ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx)
                    hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
            }
            Blend(bmp, x, y, c, hits / 16.0);
        }
    }
}

void FillRect(Bitmap& bmp, double x0, double y0, double x1, double y1, Paint c) {
    FillShape(bmp, int(x0), int(y0), int(std::ceil(x1)), int(std::ceil(y1)), c,
              [&](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; });
}

void FillRoundRect(Bitmap& bmp, double x0, double y0, double x1, double y1, double radius,
                   Paint c) {
    FillShape(bmp, int(x0), int(y0), int(std::ceil(x1)), int(std::ceil(y1)), c,
              [&](double x, double y) {
                  if (x < x0 || x >= x1 || y < y0 || y >= y1)
                      return false;
                  const double cx = std::clamp(x, x0 + radius, x1 - radius),
                               cy = std::clamp(y, y0 + radius, y1 - radius);
                  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
              });
}

void FillCircle(Bitmap& bmp, double cx, double cy, double radius, Paint c) {
    FillShape(bmp, int(cx - radius), int(cy - radius), int(cx + radius) + 1, int(cy + radius) + 1,
              c, [&](double x, double y) {
                  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
              });
}

// A thick line from (ax, ay) to (bx, by).
void Stroke(Bitmap& bmp, double ax, double ay, double bx, double by, double width, Paint c) {
    const double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
    FillShape(bmp, int(std::min(ax, bx) - width), int(std::min(ay, by) - width),
              int(std::max(ax, bx) + width) + 1, int(std::max(ay, by) + width) + 1, c,
              [&](double x, double y) {
                  const double t =
                      length2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0)
                                  : 0;
                  const double px = ax + t * dx - x, py = ay + t * dy - y;
                  return px * px + py * py <= width * width / 4;
              });
}

constexpr Paint kWhite{255, 255, 255}, kPaper{250, 250, 244}, kInk{70, 70, 80}, kBlue{40, 90, 170},
    kRed{190, 30, 30}, kGold{230, 180, 60}, kGreen{40, 140, 60}, kGrey{150, 150, 150};

// A sheet of paper with a folded corner, lines drawn by `lines`.
void Document(Bitmap& bmp, int ox, int oy, Paint lineColour, bool coloured) {
    FillRect(bmp, ox + 4, oy + 2, ox + 16, oy + 18, kInk);
    FillRect(bmp, ox + 5, oy + 3, ox + 15, oy + 17, kPaper);
    Stroke(bmp, ox + 12, oy + 2.5, ox + 15.5, oy + 6, 1, kInk);
    for (int i = 0; i < 5; ++i) {
        const Paint c = coloured ? (i == 0 ? kRed : i % 2 ? kBlue : kGreen) : lineColour;
        FillRect(bmp, ox + 7, oy + 6 + i * 2.2, ox + (i == 0 ? 12 : 13.5), oy + 7 + i * 2.2, c);
    }
}

void Seal(Bitmap& bmp, double x, double y, double size) {
    const double s = size / 20;
    FillRoundRect(bmp, x + 1 * s, y + 1 * s, x + 19 * s, y + 19 * s, 3 * s, kRed);
    FillRoundRect(bmp, x + 3 * s, y + 3 * s, x + 17 * s, y + 17 * s, 1.5 * s, kWhite);
    FillRoundRect(bmp, x + 4.2 * s, y + 4.2 * s, x + 15.8 * s, y + 15.8 * s, 1 * s, kRed);
    // Three strokes in the seal: a dictionary's mark, not a character.
    Stroke(bmp, x + 6.5 * s, y + 7 * s, x + 13.5 * s, y + 7 * s, 1.4 * s, kWhite);
    Stroke(bmp, x + 10 * s, y + 7 * s, x + 10 * s, y + 13.5 * s, 1.4 * s, kWhite);
    Stroke(bmp, x + 6.5 * s, y + 13.5 * s, x + 13.5 * s, y + 13.5 * s, 1.4 * s, kWhite);
    FillCircle(bmp, x + 13 * s, y + 10.5 * s, 1 * s, kGold);
}

Bitmap ToolbarStrip() {
    constexpr int kCount = 68;
    Bitmap strip(20 * kCount, 20, pixels::kMagenta);
    const auto at = [](int index) { return index * 20; };
    // 0: the tree's nodes, a closed book.
    FillRoundRect(strip, at(0) + 4, 2, at(0) + 16, 18, 1.5, kBlue);
    FillRect(strip, at(0) + 6, 3, at(0) + 15, 17, Paint{70, 120, 200});
    FillRect(strip, at(0) + 14, 4, at(0) + 16, 17, kPaper);
    FillRect(strip, at(0) + 7, 6, at(0) + 12, 7.2, kGold);
    // 43: copy the selection, two sheets.
    FillRect(strip, at(43) + 2, 2, at(43) + 12, 14, kInk);
    FillRect(strip, at(43) + 3, 3, at(43) + 11, 13, kPaper);
    FillRect(strip, at(43) + 7, 6, at(43) + 18, 18, kInk);
    FillRect(strip, at(43) + 8, 7, at(43) + 17, 17, kPaper);
    FillRect(strip, at(43) + 9.5, 9, at(43) + 15.5, 12, Paint{120, 170, 235});
    FillRect(strip, at(43) + 9.5, 13.5, at(43) + 14, 14.5, kGrey);
    // 44: export as rich text; 45: export as plain text.
    Document(strip, at(44), 0, kBlue, true);
    Document(strip, at(45), 0, kGrey, false);
    // 46: clear the search histories, a list struck through.
    for (int i = 0; i < 4; ++i)
        FillRect(strip, at(46) + 3, 4 + i * 3.5, at(46) + 14, 5.5 + i * 3.5, kGrey);
    Stroke(strip, at(46) + 9, 9, at(46) + 17, 17, 2.2, kRed);
    Stroke(strip, at(46) + 17, 9, at(46) + 9, 17, 2.2, kRed);
    // 47: the program's seal (print, copy everything, leave).
    Seal(strip, at(47), 0, 20);
    // 67: save the note, a disk.
    FillRoundRect(strip, at(67) + 2, 2, at(67) + 18, 18, 1.5, kBlue);
    FillRect(strip, at(67) + 5, 3, at(67) + 15, 9, kWhite);
    FillRect(strip, at(67) + 6, 12, at(67) + 14, 18, Paint{200, 200, 210});
    FillRect(strip, at(67) + 11, 13, at(67) + 13, 17, kInk);
    return strip;
}

// Icon images are 32-bit with alpha: magenta becomes transparent.
void WriteIcon(const std::filesystem::path& path, const std::vector<Bitmap>& images) {
    std::vector<uint8_t> out;
    const auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put(0, 2);
    put(1, 2);
    put(static_cast<uint32_t>(images.size()), 2);
    std::vector<std::vector<uint8_t>> bodies;
    for (const Bitmap& b : images) {
        std::vector<uint8_t> body;
        const auto add = [&](uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i)
                body.push_back(static_cast<uint8_t>(v >> (8 * i)));
        };
        add(40, 4);
        add(b.Width(), 4);
        add(b.Height() * 2, 4);
        add(1, 2);
        add(32, 2);
        for (int i = 0; i < 6; ++i)
            add(0, 4);
        for (int y = b.Height() - 1; y >= 0; --y) {
            for (int x = 0; x < b.Width(); ++x) {
                const Pixel p = b.At(x, y);
                const bool clear = p == pixels::kMagenta;
                add(clear ? 0 : (0xFF000000u | p), 4);
            }
        }
        const size_t maskRow = (static_cast<size_t>(b.Width()) + 31) / 32 * 4;
        body.resize(body.size() + maskRow * b.Height(), 0);
        bodies.push_back(std::move(body));
    }
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<uint8_t>(images[i].Width() % 256));
        out.push_back(static_cast<uint8_t>(images[i].Height() % 256));
        put(0, 1);
        put(0, 1);
        put(1, 2);
        put(32, 2);
        put(static_cast<uint32_t>(bodies[i].size()), 4);
        put(offset, 4);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(out.data()), out.size());
}

bool WriteJpeg(const std::filesystem::path& path, const Bitmap& b) {
    FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = b.Width();
    info.image_height = b.Height();
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(b.Width()) * 3);
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            const Pixel p = b.At(x, y);
            row[3 * x] = pixels::Red(p), row[3 * x + 1] = pixels::Green(p),
                    row[3 * x + 2] = pixels::Blue(p);
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

Bitmap Icon(int size) {
    Bitmap b(size, size, pixels::kMagenta);
    Seal(b, 0, 0, size);
    return b;
}

// The tray's picture: an open book, lines of text on its left page and the
// program's red seal on its right one.
Bitmap TrayPicture(int size) {
    Bitmap b(size, size, pixels::kMagenta);
    const double s = size / 20.0;
    FillRoundRect(b, 0.5 * s, 3 * s, 19.5 * s, 18.5 * s, 1.5 * s, kBlue);
    FillRect(b, 1.8 * s, 1.5 * s, 9.6 * s, 16.8 * s, kPaper);
    FillRect(b, 10.4 * s, 1.5 * s, 18.2 * s, 16.8 * s, kPaper);
    for (int i = 0; i < 4; ++i)
        FillRect(b, 3.2 * s, (4 + 3 * i) * s, 8.4 * s, (5.2 + 3 * i) * s, kInk);
    FillRoundRect(b, 11.6 * s, 5 * s, 17 * s, 13.5 * s, 1 * s, kRed);
    Stroke(b, 14.3 * s, 6.8 * s, 14.3 * s, 11.7 * s, 1.3 * s, kWhite);
    return b;
}

Bitmap AboutSeal() {
    Bitmap b(96, 96, MakePixel(245, 238, 222));
    Seal(b, 8, 8, 80);
    return b;
}

// Mountains over water at dawn.
Bitmap AboutScene() {
    Bitmap b(296, 82);
    for (int y = 0; y < 82; ++y) {
        const double t = y / 82.0;
        const Paint sky{250 - 40 * t, 225 - 20 * t, 190 + 30 * t};
        for (int x = 0; x < 296; ++x)
            b.At(x, y) = MakePixel(uint8_t(sky.r), uint8_t(sky.g), uint8_t(sky.b));
    }
    FillCircle(b, 214, 30, 11, Paint{235, 120, 80});
    const Paint ranges[3] = {{150, 160, 180}, {100, 115, 140}, {60, 75, 100}};
    for (int layer = 0; layer < 3; ++layer) {
        FillShape(b, 0, 0, 296, 82, ranges[layer], [&](double x, double y) {
            const double ridge = 44 + layer * 7 -
                                 14 * std::sin(x / (23.0 + layer * 9) + layer * 1.7) -
                                 6 * std::sin(x / 7.0 + layer);
            return y >= ridge && y < 66;
        });
    }
    FillRect(b, 0, 66, 296, 82, Paint{120, 150, 180});
    for (int i = 0; i < 6; ++i)
        Stroke(b, 30 + i * 45, 71 + i % 3 * 3, 52 + i * 45, 71 + i % 3 * 3, 1, kWhite);
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: paint_app_pictures OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    const auto strip = skin::WriteBmp(ToolbarStrip());
    std::ofstream(dir / "imlist_menu.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(strip.data()), strip.size());
    WriteIcon(dir / "lexora.ico", {Icon(48), Icon(32), Icon(16)});
    WriteIcon(dir / "tray.ico", {TrayPicture(16), TrayPicture(32)});
    if (!WriteJpeg(dir / "about_seal.jpg", AboutSeal()) ||
        !WriteJpeg(dir / "about_scene.jpg", AboutScene())) {
        std::cerr << "paint_app_pictures: cannot write the About pictures\n";
        return 1;
    }
    return 0;
}
