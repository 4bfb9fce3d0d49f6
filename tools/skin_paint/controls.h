// The pictures of the controls inside a skinned window, and their
// definition sections. Each picture holds its states side by side; where a
// state is chosen by a control's look, the slices follow one order: normal,
// pressed, disabled, hot, then focused (skin/slices.h names them).
//
// Faces read (each state falls back to the normal look):
//   [button] with text = colour, and the states .pressed .disabled .hot .focused
//   [check], [radio] (glyph: the mark) .pressed .disabled .hot
//   [field] (a sunken edit box) and [combo] (its drop-down button, whose
//   glyph is the arrow) .pressed .disabled .hot
//   [scroll.arrow] .pressed .disabled .hot, [scroll.track] .pressed .disabled .hot,
//   [scroll.thumb] (glyph: its ridges) .pressed .hot
//   [menu] (the pop-up menu's background, separator = colour,
//   separator.light = colour), [menu.item] (a selected item),
//   [menubar] .inactive
//   [status] (text = colour, glyph: the size grip) .lowered .raised .flat
//   [tab] .pressed (the selected tab) .disabled .hot .focused, [tab.pane]
//   [progress], [progress.chunk]
//   [thumb] (a track bar's) .pressed .disabled .hot .focused
//   [spin] (glyph: the arrows) .pressed .disabled .hot
//   [header] .pressed .disabled .hot .focused
#pragma once

#include "description.h"
#include "skin_files.h"

namespace paint {

void PaintControls(const Description& d, SkinFiles& out);

}  // namespace paint
