#include "skin/skin_data.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/pixel_ops.h"
#include "skin/skin_stream.h"
#include "text/utf8_path.h"

namespace skin {
namespace {

constexpr int kGlyphSide = 16;

std::vector<Bitmap> CutMenuGlyphs(const ResourceBitmaps& resources) {
    std::vector<Bitmap> glyphs;
    const std::optional<Bitmap> strip = resources.Load("MENUGLYPHS");
    if (!strip)
        return glyphs;
    for (int x = 0; x + kGlyphSide <= strip->Width(); x += kGlyphSide)
        glyphs.push_back(Crop(*strip, {x, 0, x + kGlyphSide, kGlyphSide}));
    return glyphs;
}

}  // namespace

TSkinData::TSkinData(const SystemLook& look, const ResourceBitmaps& resources,
                     SkinMessage showMessage)
    : look_(look),
      resources_(resources),
      showMessage_(std::move(showMessage)),
      menuGlyphs_(CutMenuGlyphs(resources)),
      maximizedSize_(look.MaximizedWindowSize()) {}

void TSkinData::ReadSkinStream(MemoryStream& from) {
    if (skin::ReadSkinStream(from, archive_))
        LoadSkinStream();
}

void TSkinData::WriteSkinStream(MemoryStream& to) const {
    skin::WriteSkinStream(archive_, to);
}

bool TSkinData::LoadSkinStream() {
    notLoaded_ = true;
    TSkinReader reader(showMessage_);
    if (!reader.ReadArchive(archive_))
        return false;
    MemoryStream definition;
    std::string name;
    reader.ExtractFirstMatching(".ini", definition, name);
    TSkinIni ini;
    ini.LoadFromStream(std::string_view(reinterpret_cast<const char*>(definition.Bytes().data()),
                                        definition.Size()));
    ReadDefinition(ini, [&reader](const std::string& member) {
        MemoryStream out;
        reader.ExtractFile(member, out);
        return out.Bytes();
    });
    return true;
}

void TSkinData::ReadDefinition(const TSkinIni& ini, const MemberLookup& members) {
    ReadSkinDefinition(ini, {members, look_, resources_, gradients_}, skin_);
    notLoaded_ = false;
}

void TSkinData::LoadFromStore(const TSkinStore& store, int index) {
    const TSkinCollection& items = store.Store();
    if (index < 0 || static_cast<size_t>(index) >= items.Count())
        return;
    notLoaded_ = true;
    archive_ = MemoryStream(items.Item(static_cast<size_t>(index)).Data().Bytes());
    LoadSkinStream();
    ApplySkin();
}

void TSkinData::SetSkinFile(const std::string& path) {
    notLoaded_ = true;
    skinFile_ = path;
    const std::filesystem::path filePath = text::Utf8Path(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(filePath, error))
        return;
    std::ifstream file(filePath, std::ios::binary);
    if (!file)
        return;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    if (file.bad())
        return;
    archive_ = MemoryStream(std::move(bytes));
    LoadSkinStream();
    if (SkinFormtype == TSkinFormType::sfMainform)
        ApplySkin();
}

void TSkinData::ApplySkin() {
    if (applyHook_)
        applyHook_(*this);
}

}  // namespace skin
