// Figures of skin loading: prints, for `make bench`, the time of one
// complete load of each skin archive given (decoding, the definition, every
// bitmap and the derived pictures), the median of several loads. Without
// archives it measures a skin of typical size that it builds itself.
//
//   skin_load_bench [ARCHIVE...]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/bmp_file.h"
#include "skin/little_endian.h"
#include "skin/skin_data.h"
#include "text/utf8_path.h"
#include "tools/skin_archive_writer.h"

namespace {

class BenchLook : public skin::SystemLook {
  public:
    skin::Colour SystemColourValue(int index) const override { return 0xC0C0C0 + index; }
    int HorzScrollArrowWidth() const override { return 17; }
    skin::Size MaximizedWindowSize() const override { return {1024, 738}; }
};

class BenchResources : public skin::ResourceBitmaps {
  public:
    std::optional<pixels::Bitmap> Load(std::string_view name) const override {
        if (name == "MENUGLYPHS")
            return pixels::Bitmap(64, 16, pixels::MakePixel(255, 255, 255));
        return pixels::Bitmap(20, 8, pixels::MakePixel(128, 128, 128));
    }
};

// A skin manager that has no windows to skin: the load alone is measured.
class NoWindows : public skin::SkinManager {
  public:
    void AddSkinData(skin::TSkinData&) override {}
    void RemoveSkinData(skin::TSkinData&) override {}
    void PostCommand(skin::ManagerCommand, int) override {}
    skin::ManagerRunState RunState() const override { return skin::ManagerRunState::Idle; }
    void SetRunState(skin::ManagerRunState) override {}
    void SetEnabled(bool) override {}
    void SetPendingSkinData(skin::TSkinData&) override {}
    void DropCaptionButtons(skin::TSkinData&) override {}
    void InstallHook() override {}
    void SkinOwnerForm(skin::TSkinData&) override {}
    bool HasScrollBarInfo() const override { return true; }
};

class NoWindowParts : public skin::SkinDataWindowParts {
  public:
    std::unique_ptr<skin::TextPainter> MakeCaptionFont() override { return nullptr; }
    pixels::Bitmap MakeApplicationIcon() override { return {}; }
};

// A picture with the shading and edges of a painted skin part.
pixels::Bitmap Painted(int w, int h, int seed) {
    pixels::Bitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int shade = 120 + (y * 100) / std::max(h, 1) + ((x * 7 + seed) % 11);
            const bool edge = x % 16 == 0 || y == 0 || y == h - 1;
            b.At(x, y) = edge ? pixels::MakePixel(40, 60, 90)
                              : pixels::MakePixel(static_cast<uint8_t>(shade),
                                                  static_cast<uint8_t>(shade + 10),
                                                  static_cast<uint8_t>(seed * 13));
        }
    }
    b.At(0, 0) = pixels::kMagenta;
    return b;
}

std::vector<uint8_t> SampleArchive() {
    struct Part {
        const char* name;
        int w, h;
    };
    const Part parts[] = {
        {"left.bmp", 16, 400},     {"right.bmp", 16, 400},   {"top.bmp", 400, 60},
        {"bottom.bmp", 400, 16},   {"close.bmp", 72, 18},    {"max.bmp", 72, 18},
        {"restore.bmp", 72, 18},   {"min.bmp", 72, 18},      {"icon.bmp", 72, 18},
        {"mdi.bmp", 192, 16},      {"buttons.bmp", 300, 23}, {"check.bmp", 104, 13},
        {"radio.bmp", 104, 13},    {"combo.bmp", 68, 19},    {"sunk.bmp", 80, 20},
        {"extra.bmp", 80, 16},     {"scroll.bmp", 391, 17},  {"hscroll.bmp", 136, 17},
        {"vscroll.bmp", 68, 34},   {"hthumb.bmp", 90, 17},   {"vthumb.bmp", 51, 30},
        {"menuitem.bmp", 200, 20}, {"menubg.bmp", 120, 120}, {"menubar.bmp", 100, 40},
        {"status.bmp", 60, 20},    {"tabs.bmp", 300, 22},    {"pane.bmp", 40, 40},
        {"progress.bmp", 40, 16},  {"chunk.bmp", 16, 12},    {"thumbh.bmp", 55, 20},
        {"thumbv.bmp", 100, 11},   {"updownh.bmp", 128, 16}, {"updownv.bmp", 128, 16},
        {"header.bmp", 150, 20},
    };
    std::vector<SkinArchiveMember> members;
    members.push_back({"skin.ini", {}});
    int seed = 0;
    for (const Part& p : parts)
        members.push_back({p.name, skin::WriteBmp(Painted(p.w, p.h, ++seed))});
    const std::string ini =
        "[TitlebarSkin]\nSkinName=Sample\n"
        "[Personality]\nLeft=left.bmp\nLeftFrame=2\nRight=right.bmp\nRightFrame=2\n"
        "Top=top.bmp\nTopFrame=2\nTopTopHeight=40\nTopBotHeight=40\nBottom=bottom.bmp\n"
        "BottomFrame=2\nmenuBar=menubar.bmp\n"
        "[Colours]\nButtonFace=236 233 216\nMenu=255 255 255\n"
        "[Button1]\nAction=0\nAlign=1\nXcoord=24\nYcoord=5\nButtonImage=close.bmp\n"
        "[Button2]\nAction=1\nAlign=1\nXcoord=44\nYcoord=5\nButtonImage=max.bmp\nVisibility=2\n"
        "[Button3]\nAction=1\nAlign=1\nXcoord=44\nYcoord=5\nButtonImage=restore.bmp\n"
        "Visibility=1\n"
        "[Button4]\nAction=2\nAlign=1\nXcoord=64\nYcoord=5\nButtonImage=min.bmp\n"
        "[Button5]\nAction=3\nXcoord=5\nYcoord=5\n"
        "[MDICONTROLS]\nImage=mdi.bmp\n"
        "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=3\nRightWidth=3\nTopHeight=3\n"
        "BottomHeight=3\nTrans=1\nCheckButton=check.bmp\nRadioButton=radio.bmp\n"
        "[ComboButton]\nImage=combo.bmp\n[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\n"
        "RightWidth=2\nTopHeight=2\nBottomHeight=2\n[ExtraImages]\nImage=extra.bmp\n"
        "[Scrollbar]\nImage=scroll.bmp\n[HorzScroll]\nImage=hscroll.bmp\n"
        "[VertScroll]\nImage=vscroll.bmp\n[HorzScrollThumb]\nImage=hthumb.bmp\n"
        "[VertScrollThumb]\nImage=vthumb.bmp\n[MenuItem]\nImage=menuitem.bmp\n"
        "[MenuBackground]\nImage=menubg.bmp\n[StatusBarEdges]\nImage=status.bmp\n"
        "[Tabs]\nImage=tabs.bmp\n[Tab.Pane]\nImage=pane.bmp\n[Progress]\nBitmap=progress.bmp\n"
        "[Progress.Chunk]\nImage=chunk.bmp\n[Trackbar.ThumbHorz]\nImage=thumbh.bmp\n"
        "[Trackbar.ThumbVert]\nImage=thumbv.bmp\n[UpDown.Horz]\nImage=updownh.bmp\n"
        "[UpDown.Vert]\nImage=updownv.bmp\n[Headerbar]\nImage=header.bmp\n";
    members[0].bytes.assign(ini.begin(), ini.end());
    return PackSkinArchive(BuildSkinPayload(members));
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(text::Utf8Path(path), std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
}

// The median time of one complete load, and what the archive holds.
void Measure(const std::string& label, const std::vector<uint8_t>& archive) {
    const BenchLook look;
    const BenchResources resources;
    skin::TSkinStore store;
    store.Store().Add().ReadDataStream(skin::MemoryStream(archive));
    skin::SkinManagerSlot manager([] { return std::make_unique<NoWindows>(); });
    NoWindowParts parts;

    skin::MemoryStream stream(archive);
    skin::TSkinReader reader([](const std::string&) {});
    if (!reader.ReadArchive(stream)) {
        std::printf("  %-26s not a skin archive\n", label.c_str());
        return;
    }
    constexpr int kRuns = 15;
    std::vector<double> times;
    bool refused = false;
    for (int i = 0; i < kRuns; ++i) {
        // Skin data of its own each time: loading the archive it holds
        // already would only apply it again.
        skin::TSkinData data({look, resources,
                              [](const std::string& text) {
                                  std::fprintf(stderr, "skin_load_bench: %s\n", text.c_str());
                              },
                              manager, parts});
        const auto start = std::chrono::steady_clock::now();
        data.LoadFromStore(store, 0);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        refused = data.NotLoaded();
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-26s %3zu members, %6.1f KB, packed %5.1f KB   %6.2f ms%s\n", label.c_str(),
                reader.Names().size(), skin::ReadInt32Le(archive.data()) / 1024.0,
                archive.size() / 1024.0, times[kRuns / 2], refused ? "   (refused)" : "");
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("  one complete load of a skin: decoding, definition, bitmaps, derived pictures\n");
    if (argc < 2) {
        Measure("sample skin (built here)", SampleArchive());
        return 0;
    }
    for (int i = 1; i < argc; ++i)
        Measure(text::PathUtf8(text::Utf8Path(argv[i]).filename()), ReadFile(argv[i]));
    return 0;
}
