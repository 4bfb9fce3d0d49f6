// The main window's output commands: copies to the clipboard, exports and
// printing of the entry view.
#include "app/main_form.h"

#include "output/clipboard_copy.h"
#include "output/entry_export.h"
#include "output/entry_printing.h"

void TForm1::N11Click() {
    output::CopySelection(*RichEdit1);
}

void TForm1::N10Click() {
    output::CopyEverything(*RichEdit1);
}

void TForm1::ExportEntry(const char* extension, bool richText) {
    SaveDialog1->Filter = std::string(extension) + "|*" + extension;
    SaveDialog1->DefaultExt = extension;
    SaveDialog1->FileName = RichEdit1->Line(0);
    if (!SaveDialog1->Execute(Handle()))
        return;
    if (richText) {
        output::ExportRichText(*RichEdit1, SaveDialog1->FileName);
    } else {
        output::ExportPlainText(*RichEdit1, SaveDialog1->FileName);
    }
}

void TForm1::N20Click() {
    ExportEntry(".rtf", true);
}

void TForm1::N21Click() {
    ExportEntry(".txt", false);
}

void TForm1::N13Click() {
    ui::PrinterDC printer = PrintDialog1->Execute(Handle());
    if (!printer)
        return;
    output::PrinterTarget target(printer.get());
    output::PrintEntry(ShownEntry, RichEdit1->Font(), target, Caption());
}
