// The "换肤" menu: five skins, one check mark, and the choice kept in the
// settings file so that the next start wears the same skin.
#pragma once

#include <string_view>

#include "settings/settings_file.h"

namespace settings {

inline constexpr std::string_view kSkinKey = "Skin";
inline constexpr int kSkinCount = 5;

// The menu as the skin commands see it.
class SkinMenuView {
  public:
    virtual ~SkinMenuView() = default;
    // Makes store item `index` the program's skin.
    virtual void LoadSkin(int index) = 0;
    virtual void SetSkinChecked(int index, bool checked) = 0;
    // The settings file, opened anew for a write.
    virtual SettingsFile& ReopenSettings() = 0;
};

// The command of item `index` (0 to 4): loads the skin, checks its item and
// only it, and writes [Setup] Skin. The skin and the check marks have
// changed even when the write fails.
void ChooseSkin(SkinMenuView& view, int index);

// Start-up: the saved choice runs its command as if the user had chosen it;
// a value outside 0 to 4 runs none, leaving the skin the window was made
// with, no item checked and the value in the file.
void ApplySavedSkin(SkinMenuView& view, int savedIndex);

}  // namespace settings
