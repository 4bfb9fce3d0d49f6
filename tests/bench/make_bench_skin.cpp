// Packs a skin archive of representative pictures for the skin benchmark,
// for use until the program's own skins are built: some forty bitmaps of
// the sizes and kinds a skin holds (caption and frame strips with states,
// buttons, scroll bar slices, large menu and pane backgrounds), painted in
// gradients with bevels, rounded magenta corners and, in part, the fine
// streaks of brushed metal.
//
//   make_bench_skin OUTPUT.skin
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/bmp_file.h"
#include "tools/skin_archive_writer.h"

namespace {

struct Part {
    const char* name;
    int width, height, frames;
    bool metal;
};

constexpr Part kParts[] = {
    {"frametop.bmp", 300, 60, 2, false},     {"framebottom.bmp", 300, 16, 2, false},
    {"frameleft.bmp", 16, 400, 2, false},    {"frameright.bmp", 16, 400, 2, false},
    {"textback.bmp", 400, 40, 2, true},      {"buttons.bmp", 375, 23, 5, false},
    {"checkbox.bmp", 104, 13, 8, false},     {"radio.bmp", 104, 13, 8, false},
    {"close.bmp", 126, 21, 6, true},         {"maximize.bmp", 126, 21, 6, true},
    {"restore.bmp", 126, 21, 6, true},       {"minimize.bmp", 126, 21, 6, true},
    {"sysicon.bmp", 126, 21, 6, true},       {"mdicontrols.bmp", 192, 16, 12, false},
    {"combobutton.bmp", 68, 21, 4, false},   {"sunkedge.bmp", 88, 22, 4, false},
    {"extraimages.bmp", 200, 20, 5, false},  {"scrollbar.bmp", 368, 17, 23, false},
    {"horzscroll.bmp", 64, 17, 4, false},    {"vertscroll.bmp", 68, 64, 4, false},
    {"hthumb.bmp", 51, 17, 3, true},         {"vthumb.bmp", 51, 17, 3, true},
    {"menuitem.bmp", 250, 20, 5, false},     {"menubackground.bmp", 200, 300, 1, false},
    {"menubar.bmp", 400, 40, 2, true},       {"statusbaredges.bmp", 60, 20, 3, false},
    {"tabs.bmp", 250, 22, 5, false},         {"tabborder.bmp", 50, 22, 1, false},
    {"tabpane.bmp", 100, 100, 1, false},     {"progress.bmp", 200, 24, 2, false},
    {"progresschunk.bmp", 20, 12, 1, false}, {"thumbhorz.bmp", 55, 20, 5, true},
    {"thumbvert.bmp", 55, 20, 5, true},      {"updownhorz.bmp", 128, 16, 8, false},
    {"updownvert.bmp", 128, 16, 8, false},   {"headerbar.bmp", 250, 20, 5, false},
    {"toolbars.bmp", 250, 24, 5, false},     {"groupbox.bmp", 60, 60, 1, false},
    {"background.bmp", 256, 256, 1, true},
};

pixels::Pixel Mix(pixels::Pixel a, pixels::Pixel b, int num, int den) {
    auto mix = [&](int x, int y) { return static_cast<uint8_t>(x + (y - x) * num / den); };
    return pixels::MakePixel(mix(pixels::Red(a), pixels::Red(b)),
                             mix(pixels::Green(a), pixels::Green(b)),
                             mix(pixels::Blue(a), pixels::Blue(b)));
}

pixels::Bitmap Paint(const Part& part, std::mt19937& random) {
    pixels::Bitmap b(part.width, part.height);
    const int frameWidth = part.width / part.frames;
    for (int f = 0; f < part.frames; ++f) {
        const pixels::Pixel top = pixels::MakePixel(90 + 12 * f, 130 + 8 * f, 210);
        const pixels::Pixel bottom = pixels::MakePixel(20, 50 + 6 * f, 120 + 10 * f);
        for (int y = 0; y < part.height; ++y) {
            // Brushed metal: each row a little lighter or darker.
            const int streak = part.metal ? static_cast<int>(random() % 13) - 6 : 0;
            for (int x = 0; x < frameWidth; ++x) {
                pixels::Pixel p = Mix(top, bottom, y, part.height);
                if (x == 0 || y == 0)
                    p = Mix(p, pixels::MakePixel(255, 255, 255), 1, 2);
                if (x == frameWidth - 1 || y == part.height - 1)
                    p = Mix(p, 0, 1, 2);
                const int r = pixels::Red(p) + streak, g = pixels::Green(p) + streak,
                          bl = pixels::Blue(p) + streak;
                p = pixels::MakePixel(static_cast<uint8_t>(std::clamp(r, 0, 255)),
                                      static_cast<uint8_t>(std::clamp(g, 0, 255)),
                                      static_cast<uint8_t>(std::clamp(bl, 0, 255)));
                // Rounded corners, transparent.
                const int cx = std::min(x, frameWidth - 1 - x),
                          cy = std::min(y, part.height - 1 - y);
                if (cx + cy < 3)
                    p = pixels::kMagenta;
                b.At(f * frameWidth + x, y) = p;
            }
        }
    }
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bench_skin OUTPUT.skin\n");
        return 2;
    }
    std::mt19937 random(2007);
    std::vector<SkinArchiveMember> members;
    for (const Part& part : kParts)
        members.push_back({part.name, skin::WriteBmp(Paint(part, random))});
    std::string ini = "[TitlebarSkin]\r\nSkinName=Bench\r\n";
    for (const Part& part : kParts)
        ini += std::string("; ") + part.name + "\r\n";
    members.insert(members.begin() + 19, {"skin.ini", {ini.begin(), ini.end()}});

    const std::vector<uint8_t> archive = PackSkinArchive(BuildSkinPayload(members));
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(archive.data()),
              static_cast<std::streamsize>(archive.size()));
    return out ? 0 : 1;
}
