// A form holding one control of each kind the program's windows skin, for
// the skinned controls' tests, and what those tests share.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "skin/skin_data.h"
#include "skin/window/skin_manager.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/rich_edit.h"
#include "ui/status_bar.h"
#include "ui/tree_view.h"

namespace skinwindow {

// 560 x 420 in its client area: a button, a group box, a combo box, and
// below them a list box, a tree view, a memo and a rich edit, each with more
// lines than it shows, over a status bar of two panels.
class ControlsForm : public ui::TForm {
  public:
    explicit ControlsForm(ui::TComponent& owner);

    ui::TButton* button;
    ui::TGroupBox* group;
    ui::TComboBox* combo;
    ui::TListBox* list;
    ui::TTreeView* tree;
    ui::TMemo* memo;
    ui::TRichEdit* rich;
    ui::TStatusBar* status;
};

// The program's skin archive `index` (0 to 4) as the native build packs it.
std::string SkinArchive(int index);
// Loads it into `data` and carries the switch out, windows repainted;
// whether it loaded.
bool UseProgramSkin(skin::TSkinData& data, skin::window::TSkinManager& manager, int index);

// Where the screen shows `window` differently from `expected` (a picture of
// the whole window) within `area`: at most five points, as "x,y: shown, not
// expected".
std::vector<std::string> ScreenDifferences(HWND window, const pixels::Bitmap& expected,
                                           skin::Rect area);

// The font a window draws its text in.
LOGFONTW LogFontOf(HWND window);

}  // namespace skinwindow
