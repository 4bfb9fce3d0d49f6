// Composes the picture of a window as a skin draws it, from the skin alone,
// so that a skin can be looked at without the program.
//
//   skin_preview ARCHIVE OUTPUT
//
// Writes OUTPUT.bmp (the window on a desktop), OUTPUT-menu.bmp (its open
// menu) and OUTPUT.mvg, ImageMagick drawing commands that add the text and
// the menu:  convert OUTPUT.bmp -draw "$(cat OUTPUT.mvg)" OUTPUT.png
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "preview_look.h"
#include "preview_picture.h"
#include "skin/bmp_file.h"
#include "skin/skin_definition.h"
#include "skin/skin_ini.h"
#include "skin/skin_reader.h"

#include "tools/tool_files.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The program's own bitmaps are not part of a skin; the preview shows no
// track bar, so it needs none.
class NoResources : public skin::ResourceBitmaps {
  public:
    std::optional<pixels::Bitmap> Load(std::string_view) const override { return std::nullopt; }
};

skin::SkinSnapshot LoadSkin(const fs::path& path) {
    skin::MemoryStream archive(ReadFile(path));
    skin::TSkinReader reader(
        [](const std::string& message) { std::cerr << "skin_preview: " << message << "\n"; });
    if (!reader.ReadArchive(archive))
        throw std::runtime_error(path.string() + " is not a skin archive");
    skin::MemoryStream text;
    std::string name;
    reader.ExtractFirstMatching(".ini", text, name);
    skin::TSkinIni definition;
    definition.LoadFromStream(
        std::string_view(reinterpret_cast<const char*>(text.Bytes().data()), text.Size()));
    const skin::MemberLookup members = [&reader](const std::string& member) {
        skin::MemoryStream out;
        reader.ExtractFile(member, out);
        return out.Bytes();
    };
    const preview::PreviewLook look;
    const NoResources resources;
    skin::GradientCache gradients;
    auto skin = std::make_shared<skin::SkinDefinition>();
    skin::ReadSkinDefinition(definition, {members, look, resources, gradients}, *skin);
    return skin;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: skin_preview ARCHIVE OUTPUT\n";
        return 2;
    }
    try {
        const preview::Picture picture = preview::ComposePreview(LoadSkin(argv[1]));
        const std::string out = argv[2];
        tools::WriteBitmap(out + ".bmp", picture.window);
        tools::WriteBitmap(out + "-menu.bmp", picture.menu);
        tools::WriteFile(out + ".mvg", "font 'WenQuanYi-Zen-Hei'\n" + picture.windowText +
                                           "image Over " + std::to_string(picture.menuX) + "," +
                                           std::to_string(picture.menuY) + " 0,0 '" +
                                           fs::absolute(out + "-menu.bmp").string() + "'\n" +
                                           picture.menuText);
    } catch (const std::exception& e) {
        std::cerr << "skin_preview: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
