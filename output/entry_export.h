// Saving the entry view as a rich-text document or a plain-text file.
#pragma once

#include <string>

#include "ui/rich_edit.h"

namespace output {

// The whole content as RTF, with every font, size, colour, bold run and
// alignment the view shows.
void ExportRichText(const ui::TRichEdit& view, const std::string& path);

// The view's text only, in GBK, lines separated by CR LF.
void ExportPlainText(const ui::TRichEdit& view, const std::string& path);

}  // namespace output
