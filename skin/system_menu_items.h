// The skinned system menu: an owner-drawn copy of a window's system menu,
// with glyphs for its four window commands and their enabled states decided
// by the frame rather than by the system's stale ones.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/frame_facts.h"

namespace skin {

// One item of the window's system menu, as the system gives it.
struct SystemMenuItem {
    std::string Text;  // UTF-8; empty for a separator
    uint32_t Command = 0;
    bool Grayed = false;   // MFS_GRAYED
    bool Checked = false;  // MFS_CHECKED
};

// Glyphs of the skin data's menu glyphs.
enum class MenuGlyph { None = -1, Restore = 0, Maximise = 1, Minimise = 2, Close = 3 };

struct SkinnedMenuItem {
    std::string Caption;  // "-" for a separator
    // The command the item posts as WM_SYSCOMMAND.
    uint32_t Tag = 0;
    MenuGlyph Glyph = MenuGlyph::None;
    bool Enabled = true;
    bool Checked = false;

    bool operator==(const SkinnedMenuItem&) const = default;
};

// One item per system menu item, in order. Restore is enabled unless the
// window is normal; maximise, size and move unless it is maximised (maximise
// only with a maximise box); minimise unless it is minimised and only with a
// minimise box; any other item unless the system greys it.
std::vector<SkinnedMenuItem> SkinnedSystemMenu(std::span<const SystemMenuItem> items,
                                               ShowState show, const FrameFacts& frame);

}  // namespace skin
