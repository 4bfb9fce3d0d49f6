#include "app/skin_menu.h"

#include "app/options_menu.h"

namespace settings {

void ChooseSkin(SkinMenuView& view, int index) {
    view.LoadSkin(index);
    for (int i = 0; i < kSkinCount; ++i)
        view.SetSkinChecked(i, i == index);
    view.ReopenSettings().WriteInteger(kSetupSection, kSkinKey, index);
}

void ApplySavedSkin(SkinMenuView& view, int savedIndex) {
    if (savedIndex >= 0 && savedIndex < kSkinCount)
        ChooseSkin(view, savedIndex);
}

}  // namespace settings
