// Copying the entry view to the clipboard.
#pragma once

#include "ui/rich_edit.h"

namespace output {

// Empties the clipboard, then the view copies its selection (rich text with
// plain text); with nothing selected the clipboard stays empty.
void CopySelection(ui::TRichEdit& view);

// Empties the clipboard and copies everything; the selection then collapses
// to the start, where the caret stands, and the view scrolls to it.
void CopyEverything(ui::TRichEdit& view);

}  // namespace output
