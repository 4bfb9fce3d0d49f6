// The frame's hand-over of its window's controls to the skinned controls:
// at the start and at every refresh, those of the classification (a window
// with a widget object) or of the bare-window table (one without).
#include "skin/window/skin_form.h"
#include "skin/window/skin_manager.h"
#include "skin/window/skinned_controls.h"

namespace skin::window {

void TSkinForm::HandOverControls() {
    if (!data_ || !manager_)
        return;
    if (!childSkins_) {
        childSkins_ = std::make_unique<SkinnedControls>(
            ControlContext{*data_, manager_->Look(), window_},
            [this] { return state_ == SkinState::Running || state_ == SkinState::Refreshing; });
    }
    if (state_ == SkinState::Refreshing)
        childSkins_->Refresh();
    if (form_)
        childSkins_->Take(controls_);
    else
        childSkins_->TakeChildWindows(window_);
}

}  // namespace skin::window
