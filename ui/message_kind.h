// The kind of failure a window message's handler makes when it throws.
#pragma once

#include <windows.h>

#include "ui/failure_kind.h"

namespace ui {

// `lParam` tells custom drawing from other notifications.
TFailureKind FailureKindOf(UINT msg, LPARAM lParam);

}  // namespace ui
