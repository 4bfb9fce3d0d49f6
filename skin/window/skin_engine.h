// The skin engine of the process: the Win32 answers to the portable skin
// code's questions (the system's look, the executable's bitmaps, the window
// parts) and the slot of the one skin manager. It lives until the program's
// end, after every window and skin data.
#pragma once

#include "skin/skin_data.h"
#include "skin/window/executable_bitmaps.h"
#include "skin/window/skin_manager.h"
#include "skin/window/system_look.h"
#include "skin/window/window_parts.h"

namespace skin::window {

class SkinEngine {
  public:
    static SkinEngine& Instance();

    // What a skin data of the program is made with. `showMessage` tells the
    // user of a skin archive of an older kind.
    SkinDataServices Services(SkinMessage showMessage);
    // Null until a skin data has made the manager.
    TSkinManager* Manager() const;

  private:
    SkinEngine();

    Win32SystemLook look_;
    ExecutableBitmaps bitmaps_;
    Win32WindowParts parts_;
    SkinManagerSlot slot_;
};

}  // namespace skin::window
