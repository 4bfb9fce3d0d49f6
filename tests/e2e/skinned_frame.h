// The frames of the real program's windows as the skin composes them, for
// comparing with what the screen shows: the tests load the program's skin
// archives with the same portable code and compose with the same fonts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/frame_facts.h"
#include "skin/menu_bar_band.h"
#include "skin/skin_definition.h"

struct FrameShape {
    skin::FrameKind kind = skin::FrameKind::Fixed;
    bool dialogClass = false;
    bool maximiseBox = false;
    bool minimiseBox = false;
    bool maximised = false;
    // The captions of a skinned menu bar, none without one.
    std::vector<std::string> menuBar;
    std::string caption;
};

// The main window's frame: fixed, with minimise and maximise boxes, its menu
// bar and its caption.
FrameShape MainWindowShape();

// The skin archive SkinItem<index> that the native build packed.
skin::SkinSnapshot LoadProgramSkin(int index);

// Where a composed window's parts are: its caption buttons by Action, and
// its menu-bar buttons, in window coordinates.
struct FrameLayout {
    std::vector<std::pair<int, skin::Rect>> captionButtons;
    std::vector<skin::Rect> menuBarButtons;
    skin::Rect iconButton;
    skin::FrameMetrics metrics;

    skin::Rect CaptionButton(int action) const;
};

// The frame of a window of `size` in `skin`, active or not, and where its
// parts are.
pixels::Bitmap ComposeFrame(const skin::SkinSnapshot& skin, const FrameShape& shape, SIZE size,
                            bool active, FrameLayout* layout = nullptr);

// What the screen shows of `window`, the whole window.
pixels::Bitmap WindowOnScreen(HWND window);

// The pixels of the frame of `window` on the screen that differ from the
// composition (the window's icon is left out), as "x,y"; at most five.
std::vector<std::string> FrameDifferences(HWND window, const skin::SkinSnapshot& skin,
                                          const FrameShape& shape, bool active);

// An item of an open pop-up menu of the program, as the skin draws it.
struct PopupItemShape {
    std::string text;  // UTF-8, a tab before the shortcut
    bool isDefault = false;
    bool selected = false;
};

// The pixels of the item drawn at `place` (screen coordinates) in the menu
// window `menuWindow` that differ from the item as `skin` composes it, as
// "x,y" in the item; at most five.
std::vector<std::string> MenuItemDifferences(HWND menuWindow, RECT place,
                                             const skin::SkinSnapshot& skin,
                                             const PopupItemShape& item);
