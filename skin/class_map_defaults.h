// The class map a skin data starts with: control classes of other control
// libraries and the kind of skinned control each is drawn as.
#pragma once

#include <string>
#include <vector>

namespace skin {

// 116 lines "class=kind", in their stored order, the two duplicates
// included.
std::vector<std::string> DefaultClassMap();

}  // namespace skin
