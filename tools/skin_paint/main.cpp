// Paints a skin from its description into a directory: the definition file
// "skin.ini" and the bitmaps it names, then the list of members in archive
// order ("members.txt", the definition first). With --program it paints the
// program's own bitmaps instead.
//
//   skin_paint DESCRIPTION OUTPUT_DIR
//   skin_paint --program OUTPUT_DIR
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "program_bitmaps.h"
#include "skin/bmp_file.h"
#include "skin_painter.h"

#include "tools/tool_files.h"

namespace {

namespace fs = std::filesystem;

void PaintSkinInto(const fs::path& description, const fs::path& dir) {
    const paint::SkinFiles files =
        paint::PaintSkin(paint::Description::Parse(tools::ReadFile(description)));
    fs::create_directories(dir);
    tools::WriteFile(dir / "skin.ini", files.ini.Text());
    std::string members = "skin.ini\n";
    for (const auto& picture : files.pictures) {
        tools::WriteBitmap(dir / picture.name, picture.bitmap);
        members += picture.name + "\n";
    }
    tools::WriteFile(dir / "members.txt", members);
}

void PaintProgramInto(const fs::path& dir) {
    fs::create_directories(dir);
    tools::WriteBitmap(dir / "menuglyphs.bmp", paint::MenuGlyphs());
    tools::WriteBitmap(dir / "track.bmp", paint::Track());
    tools::WriteBitmap(dir / "trackvert.bmp", paint::TrackVert());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: skin_paint DESCRIPTION OUTPUT_DIR\n"
                     "       skin_paint --program OUTPUT_DIR\n";
        return 2;
    }
    try {
        if (std::string(argv[1]) == "--program") {
            PaintProgramInto(argv[2]);
        } else {
            PaintSkinInto(argv[1], argv[2]);
        }
    } catch (const std::exception& e) {
        std::cerr << "skin_paint: " << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
