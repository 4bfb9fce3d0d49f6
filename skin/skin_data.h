// The skin data component: the archive of the current skin, the skin read
// from it, and the settings that say which windows and controls wear it. It
// loads a skin from its own stored archive, from a skin file or from an item
// of a skin store, and leaves the windows to the skin manager.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/bitmap_reference.h"
#include "skin/class_map_defaults.h"
#include "skin/gradient.h"
#include "skin/memory_stream.h"
#include "skin/resource_bitmaps.h"
#include "skin/skin_data_types.h"
#include "skin/skin_data_window_parts.h"
#include "skin/skin_definition.h"
#include "skin/skin_ini.h"
#include "skin/skin_manager.h"
#include "skin/skin_reader.h"
#include "skin/skin_store.h"
#include "skin/system_look.h"
#include "skin/text_painter.h"
#include "skin/window_handle.h"

namespace skin {

// The handler of OnSkinControl. Its parameters are widget objects, so the
// window half defines it; the skin data only carries it.
struct SkinControlHandler;

// What the skin data needs of the program around it.
struct SkinDataServices {
    const SystemLook& look;
    const ResourceBitmaps& resources;
    // Tells the user of an archive of an older kind.
    SkinMessage showMessage;
    SkinManagerSlot& manager;
    SkinDataWindowParts& windowParts;
};

class TSkinData {
  public:
    explicit TSkinData(SkinDataServices services);
    // Leaves the skin manager's list.
    ~TSkinData();
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // --- Published properties, in their stored order.

    bool Active() const { return active_; }
    // Switches skinning on or off through the skin manager; a skin that is
    // not loaded is never switched on. Only stored while form data is read
    // or while there is no skin manager yet.
    void SetActive(bool active);
    // A control whose Tag equals this keeps its ordinary look.
    int DisableTag = 99;
    TSkinControls SkinControls = DefaultSkinControls();
    TSkinOptions Options = DefaultSkinOptions();
    // Lines "class=kind" mapping control classes to skinned-control kinds.
    std::vector<std::string> ClassMap = DefaultClassMap();
    const std::string& SkinFile() const { return skinFile_; }
    // Loads the skin archive file at the UTF-8 `path` and, for the main
    // window's skin data, applies it. A file that cannot be read leaves the
    // old skin in place, marked not loaded.
    void SetSkinFile(const std::string& path);
    // Display only; a stored value is not read back.
    std::string_view SkinStore() const { return "(none)"; }
    TSkinFormType SkinFormtype = TSkinFormType::sfMainform;
    // Display only; a stored value is not read back.
    std::string_view Version() const { return "1.0.0.0"; }
    bool MenuUpdate = true;
    bool MenuMerge = false;

    // --- Events.

    // Decides whether a window of class `aName` is skinned.
    std::function<void(TSkinData& sender, const std::string& aName, bool& doSkin)> OnFormSkin;
    // After the skin manager has carried out a command for this skin data.
    std::function<void(TSkinData& sender)> OnSkinChanged;
    std::shared_ptr<SkinControlHandler> OnSkinControl;
    void DoSkinChanged();

    // --- Form data.

    // The owner begins to read its stored properties; until Loaded, setting
    // them has no further effect and nothing is applied.
    void BeginReadingFormData() { readingFormData_ = true; }
    // The stored form of the archive held (`SkinStream`). Reading a stored
    // archive loads it at once; a stored length of 0 or less reads nothing
    // and leaves the component as it was.
    void ReadSkinStream(MemoryStream& from);
    void WriteSkinStream(MemoryStream& to) const;
    // The owner's form data has been read: joins the skin manager (making
    // it when there is none), makes the caption font, and for the main
    // window's skin data installs the hook, switches skinning on when
    // Active and a skin is loaded, settles SkinControls and makes the
    // application icon picture. Other form types skin their form at once.
    void Loaded();

    // --- Loading and switching.

    // Decodes the archive held and reads its definition; false, with the
    // previous skin left in place, when the archive is refused.
    bool LoadSkinStream();
    // Reads a parsed definition whose pictures are found through `members`
    // into a new skin, publishes it and marks the skin loaded.
    void ReadDefinition(const TSkinIni& ini, const MemberLookup& members);
    // Loads and applies the store's item at `index`; an index outside the
    // items does nothing. The archive that is loaded already is not read
    // again, only applied.
    void LoadFromStore(const TSkinStore& store, int index);
    // Tells the skin manager that this skin data has a new skin: its
    // windows drop their caption buttons, and once windows are being
    // skinned they are refreshed a quarter of a second later.
    void ApplySkin();

    // The per-window veto the skin manager asks for each candidate window.
    bool AllowFormSkin(WindowHandle window, const std::string& className);
    // The window AllowFormSkin was last asked about, for OnFormSkin.
    WindowHandle DecidingWindow() const { return decidingWindow_; }

    // --- State.

    // True from construction and from the start of every load until a
    // definition has been read completely; no window is skinned with this
    // skin data meanwhile.
    bool NotLoaded() const { return notLoaded_; }
    // The current skin. A later load publishes a new one and leaves this
    // one to whoever still holds it.
    SkinSnapshot Skin() const { return skin_; }
    // The system menu's glyphs, 16 x 16 each, white for transparent:
    // restore, maximise, minimise, close.
    const std::vector<Bitmap>& MenuGlyphs() const { return menuGlyphs_; }
    // Taken when the component is made.
    Size MaximizedWindowSize() const { return maximizedSize_; }
    // Made by Loaded; none before.
    TextPainter* CaptionFont() const { return captionFont_.get(); }
    // Made by the main window's skin data's Loaded; a frame fills it from
    // its window's icon while it is empty.
    const Bitmap& ApplicationIcon() const { return applicationIcon_; }
    void SetApplicationIcon(Bitmap icon) { applicationIcon_ = std::move(icon); }

  private:
    const SystemLook& look_;
    const ResourceBitmaps& resources_;
    SkinMessage showMessage_;
    SkinManagerSlot& managerSlot_;
    SkinDataWindowParts& windowParts_;

    bool active_ = false;
    bool readingFormData_ = false;
    bool registered_ = false;
    MemoryStream archive_;
    bool notLoaded_ = true;
    std::string skinFile_;
    SkinSnapshot skin_;
    GradientCache gradients_;
    std::vector<Bitmap> menuGlyphs_;
    Size maximizedSize_;
    std::unique_ptr<TextPainter> captionFont_;
    Bitmap applicationIcon_;
    WindowHandle decidingWindow_ = WindowHandle::None;
};

}  // namespace skin
