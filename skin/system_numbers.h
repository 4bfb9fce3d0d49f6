// The system's numbers for the hit codes, system commands and keys that the
// frame and menu rules look at or answer with, so that the window half hands
// them on unchanged.
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

// The virtual keys the menus' keyboard rules look at.
enum class VirtualKey : uint32_t {
    Return = 0x0D,
    Menu = 0x12,  // Alt
    Escape = 0x1B,
    Left = 0x25,
    Right = 0x27,
    Down = 0x28,
};

}  // namespace skin
