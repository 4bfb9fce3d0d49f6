// The system's numbers for the hit codes and system commands that the frame
// rules answer with, so that the window half hands them on unchanged.
#pragma once

#include <cstdint>

namespace skin {

// What a point of a window is (WM_NCHITTEST); the sizing edges and the
// other codes pass through unchanged.
enum class HitCode : int { Nowhere = 0, Client = 1, Caption = 2, SysMenu = 3, Menu = 5 };

// WM_SYSCOMMAND's command numbers (the low four bits masked off).
enum class SystemCommand : uint32_t {
    Size = 0xF000,
    Move = 0xF010,
    Minimize = 0xF020,
    Maximize = 0xF030,
    NextWindow = 0xF040,
    PrevWindow = 0xF050,
    Close = 0xF060,
    KeyMenu = 0xF100,
    Restore = 0xF120,
};

}  // namespace skin
