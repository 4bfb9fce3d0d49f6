#include "output/entry_export.h"

#include <richedit.h>

#include "output/file_writer.h"
#include "output/plain_text_file.h"

namespace output {

void ExportRichText(const ui::TRichEdit& view, const std::string& path) {
    WriteWholeFile(path, view.StreamOut(SF_RTF));
}

void ExportPlainText(const ui::TRichEdit& view, const std::string& path) {
    WriteWholeFile(path, PlainTextFileBytes(view.Text()));
}

}  // namespace output
