// The skin data component: the archive of the current skin and the skin
// objects read from it. It loads a skin from its own stored archive, from a
// skin file or from an item of a skin store, and leaves the windows to the
// skin manager, which it tells of every new skin.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "skin/bitmap_reference.h"
#include "skin/gradient.h"
#include "skin/memory_stream.h"
#include "skin/resource_bitmaps.h"
#include "skin/skin_definition.h"
#include "skin/skin_ini.h"
#include "skin/skin_reader.h"
#include "skin/skin_store.h"
#include "skin/system_look.h"

namespace skin {

// Which windows a skin data component serves.
enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

class TSkinData {
  public:
    // `showMessage` tells the user of an archive of an older kind.
    TSkinData(const SystemLook& look, const ResourceBitmaps& resources, SkinMessage showMessage);
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // The stored form of the archive held (`SkinStream`). Reading a stored
    // archive loads it at once; a stored length of 0 or less reads nothing
    // and leaves the component as it was.
    void ReadSkinStream(MemoryStream& from);
    void WriteSkinStream(MemoryStream& to) const;

    // Decodes the archive held and reads its definition; false, with the
    // objects of the previous skin left in place, when the archive is
    // refused.
    bool LoadSkinStream();
    // Fills the skin objects from a parsed definition whose pictures are
    // found through `members`, and marks the skin loaded.
    void ReadDefinition(const TSkinIni& ini, const MemberLookup& members);

    // Loads and applies the store's item at `index`; an index outside the
    // items does nothing.
    void LoadFromStore(const TSkinStore& store, int index);

    const std::string& SkinFile() const { return skinFile_; }
    // Loads the skin archive file at the UTF-8 `path` and, for the main
    // window's skin data, applies it. A file that cannot be read leaves the
    // old objects in place, marked not loaded.
    void SetSkinFile(const std::string& path);

    // Tells the skin manager, through the hook it sets, that this skin data
    // has a new skin.
    void ApplySkin();
    void SetApplyHook(std::function<void(TSkinData&)> hook) { applyHook_ = std::move(hook); }

    // True from construction and from the start of every load until a
    // definition has been read completely; no window is skinned with this
    // skin data meanwhile.
    bool NotLoaded() const { return notLoaded_; }

    const SkinDefinition& Skin() const { return skin_; }
    // The system menu's glyphs, 16 x 16 each, white for transparent:
    // restore, maximise, minimise, close.
    const std::vector<Bitmap>& MenuGlyphs() const { return menuGlyphs_; }
    // Taken when the component is made.
    Size MaximizedWindowSize() const { return maximizedSize_; }

    TSkinFormType SkinFormtype = TSkinFormType::sfMainform;

  private:
    const SystemLook& look_;
    const ResourceBitmaps& resources_;
    SkinMessage showMessage_;
    std::function<void(TSkinData&)> applyHook_;

    MemoryStream archive_;
    bool notLoaded_ = true;
    std::string skinFile_;
    SkinDefinition skin_;
    GradientCache gradients_;
    std::vector<Bitmap> menuGlyphs_;
    Size maximizedSize_;
};

}  // namespace skin
