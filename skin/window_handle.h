// A window as the portable skin code names it: the window half's handle
// value, kept without looking inside, so that it cannot be mixed up with a
// number of another meaning.
#pragma once

#include <cstdint>

namespace skin {

enum class WindowHandle : std::uintptr_t { None = 0 };

}  // namespace skin
