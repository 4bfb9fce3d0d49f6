// The controls of a skinned form and the skinned control the classification
// gives each. The frame keeps the list (made at its start and at every
// refresh) for the skinned controls, which attach from it; until they exist
// every control keeps its ordinary look.
#pragma once

#include <vector>

#include "skin/control_classification.h"
#include "skin/skin_data.h"
#include "ui/control.h"

namespace skin::window {

struct ClassifiedControl {
    ui::TControl* Control = nullptr;
    ControlAnswer Answer;
};

// Walks the form's controls in their order, each classified before or after
// its children as its answer says. `frameHandlesMenus`: the frame has a
// skinned menu bar.
std::vector<ClassifiedControl> ClassifyControls(ui::TControl& form, TSkinData& data,
                                                bool frameHandlesMenus);

// The facts the classification needs of one control of ours.
ControlFacts FactsOf(const ui::TControl& control);

}  // namespace skin::window
