// The class map of a skin data: lines "class=kind" that give control classes
// of other libraries the skinned control of a kind.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/control_classification.h"

namespace skin {

// The kind of the first line that begins with the class name and "=", in any
// letter case: the text after the first "=", at most 50 characters,
// lower-cased. None when no line maps the class.
std::optional<std::string> ClassMapKind(const std::vector<std::string>& classMap,
                                        std::string_view className);

// What a kind asks for (`MapClassMap` once the kind is found); a kind whose
// SkinControls member is absent, and an unknown kind, skin nothing.
ControlAnswer MapClassMapKind(std::string_view kind, const ControlFacts& control,
                              const ClassificationContext& context);

}  // namespace skin
