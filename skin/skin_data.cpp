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
// How long the skin manager waits before it carries out a switch, so that
// several switches in a row end in one.
constexpr int kSwitchDelayMs = 250;

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

TSkinData::TSkinData(SkinDataServices services)
    : look_(services.look),
      resources_(services.resources),
      showMessage_(std::move(services.showMessage)),
      managerSlot_(services.manager),
      windowParts_(services.windowParts),
      skin_(std::make_shared<const SkinDefinition>()),
      menuGlyphs_(CutMenuGlyphs(services.resources)),
      maximizedSize_(services.look.MaximizedWindowSize()) {}

TSkinData::~TSkinData() {
    if (SkinManager* manager = managerSlot_.Get(); manager && registered_)
        manager->RemoveSkinData(*this);
}

void TSkinData::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    SkinManager* manager = managerSlot_.Get();
    if (readingFormData_ || !manager)
        return;
    switch (SkinFormtype) {
        case TSkinFormType::sfOnlyThisForm:
            manager->SetPendingSkinData(*this);
            if (active && notLoaded_)
                return;
            manager->PostCommand(active ? ManagerCommand::SwitchOn : ManagerCommand::SwitchOff,
                                 kSwitchDelayMs);
            return;
        case TSkinFormType::sfMainform:
            if (active && notLoaded_)
                return;
            manager->SetPendingSkinData(*this);
            if (active) {
                manager->PostCommand(ManagerCommand::SwitchOn, kSwitchDelayMs);
                manager->SetRunState(ManagerRunState::Started);
            } else {
                manager->PostCommand(ManagerCommand::SwitchOff, kSwitchDelayMs);
            }
            return;
        case TSkinFormType::sfDialog:
        case TSkinFormType::sfDLL:
            return;
    }
}

void TSkinData::DoSkinChanged() {
    if (OnSkinChanged)
        OnSkinChanged(*this);
}

void TSkinData::Loaded() {
    readingFormData_ = false;
    SkinManager& manager = managerSlot_.GetOrMake();
    if (!manager.HasScrollBarInfo())
        SkinControls.Exclude(TSkinControlType::xcScrollbar);
    if (!registered_) {
        manager.AddSkinData(*this);
        registered_ = true;
    }
    captionFont_ = windowParts_.MakeCaptionFont();
    if (SkinFormtype != TSkinFormType::sfMainform) {
        manager.SetEnabled(true);
        if (manager.RunState() == ManagerRunState::Idle)
            manager.SetRunState(ManagerRunState::Started);
        manager.SkinOwnerForm(*this);
        return;
    }
    manager.InstallHook();
    if (active_) {
        if (notLoaded_) {
            active_ = false;
        } else {
            manager.PostCommand(ManagerCommand::SwitchOn, kSwitchDelayMs);
        }
    }
    // The skinned system menu is drawn by the frames, which only the main
    // menu setting brings; owner-drawn main menu items would draw twice.
    if (!SkinControls.Contains(TSkinControlType::xcMainMenu)) {
        SkinControls.Exclude(TSkinControlType::xcSystemMenu);
    } else {
        SkinControls.Exclude(TSkinControlType::xcMenuItem);
    }
    applicationIcon_ = windowParts_.MakeApplicationIcon();
}

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
    auto next = std::make_shared<SkinDefinition>(KeptPartsOf(*skin_));
    ReadSkinDefinition(ini, {members, look_, resources_, gradients_}, *next);
    skin_ = std::move(next);
    notLoaded_ = false;
}

void TSkinData::LoadFromStore(const TSkinStore& store, int index) {
    const TSkinCollection& items = store.Store();
    if (index < 0 || static_cast<size_t>(index) >= items.Count())
        return;
    const std::vector<uint8_t>& bytes = items.Item(static_cast<size_t>(index)).Data().Bytes();
    // The archive that is loaded already (the start-up replaying the saved
    // choice, the user choosing the current skin) reads to the same skin:
    // it is only applied again.
    if (notLoaded_ || archive_.Bytes() != bytes) {
        notLoaded_ = true;
        archive_ = MemoryStream(bytes);
        LoadSkinStream();
    }
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
    if (readingFormData_)
        return;
    if (!managerSlot_.Get())
        Loaded();
    SkinManager& manager = *managerSlot_.Get();
    manager.SetPendingSkinData(*this);
    manager.DropCaptionButtons(*this);
    if (manager.RunState() == ManagerRunState::Started)
        manager.PostCommand(ManagerCommand::Refresh, kSwitchDelayMs);
}

bool TSkinData::AllowFormSkin(WindowHandle window, const std::string& className) {
    decidingWindow_ = window;
    bool doSkin = true;
    if (OnFormSkin) {
        OnFormSkin(*this, className, doSkin);
        return doSkin;
    }
    if (className == "SysMonthCal32")
        return false;
    // The report designer's own windows.
    if (SkinControls.Contains(TSkinControlType::xcFastReport) && className.starts_with("Tfr"))
        return false;
    return true;
}

}  // namespace skin
