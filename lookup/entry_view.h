// Shows an entry document in the rich text view.
#pragma once

#include "lookup/entry_document.h"
#include "ui/rich_edit.h"

namespace lookup {

// Replaces the view's content with the document in one rich text stream: the
// view's face for every character, each run's size, weight and colour, and
// the name line centred. The caret ends at the start.
void ShowEntry(ui::TRichEdit& view, const EntryDocument& doc);

}  // namespace lookup
