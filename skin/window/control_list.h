// The controls of a skinned form and the skinned control the classification
// gives each. The frame keeps the list (made at its start and at every
// refresh) for the skinned controls, which attach from it; until they exist
// every control keeps its ordinary look.
#pragma once

#include <memory>
#include <vector>

#include "skin/control_classification.h"
#include "skin/skin_data.h"
#include "skin/window/skin_control.h"
#include "ui/control.h"

namespace skin::window {

class TSkinForm;

struct ClassifiedControl {
    ui::TControl* Control = nullptr;
    ControlAnswer Answer;
    // The object the owner's OnSkinControl handler supplied, until the
    // skinned controls take it.
    std::unique_ptr<TSkinControl> Supplied;
};

// Walks the form's controls in their order, each classified before or after
// its children as its answer says; the skin data's OnSkinControl handler,
// when it has one, is asked first with `sender` as the frame.
// `frameHandlesMenus`: the frame has a skinned menu bar.
std::vector<ClassifiedControl> ClassifyControls(TSkinForm& sender, ui::TControl& form,
                                                TSkinData& data, bool frameHandlesMenus);

// The facts the classification needs of one control of ours.
ControlFacts FactsOf(const ui::TControl& control);

}  // namespace skin::window
