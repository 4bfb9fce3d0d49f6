// The preview picture: the program's main window as a skin draws it, with
// its caption, caption buttons, menu bar and an open menu, group boxes, a
// combo box, push buttons, a list with a scroll bar, check and radio boxes
// and a status bar, on a plain desktop with the window's own outline.
#pragma once

#include <string>

#include "pixels/bitmap.h"
#include "skin/skin_definition.h"

namespace preview {

// The window's picture and, apart, the open menu's, which covers part of
// the window and of its text.
struct Picture {
    pixels::Bitmap window;
    pixels::Bitmap menu;
    int menuX = 0, menuY = 0;  // where the menu goes in the window's picture
    // ImageMagick drawing commands (MVG) that write the text of each.
    std::string windowText;
    std::string menuText;
};

Picture ComposePreview(const skin::SkinSnapshot& skin);

}  // namespace preview
