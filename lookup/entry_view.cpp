#include "lookup/entry_view.h"

#include "lookup/entry_rtf.h"

namespace lookup {

void ShowEntry(ui::TRichEdit& view, const EntryDocument& doc) {
    view.BeginUpdate();
    view.SetRtf(EntryRtf(doc, view.Font().Size(), ui::TControl::ColorToRGB(view.Font().Color())));
    view.SetSelection(0, 0);
    view.EndUpdate();
}

}  // namespace lookup
