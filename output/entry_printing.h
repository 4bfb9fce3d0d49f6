// Printing the shown entry, formatted as on screen, page after page over the
// printer's whole printable area. The entry is laid out from its document:
// the same fonts, sizes, weights, colours and centring as the view.
#pragma once

#include <windows.h>

#include <string>

#include "lookup/entry_document.h"
#include "ui/font.h"

namespace output {

// Where pages go: a printer, or in tests a series of metafiles.
class PrintTarget {
  public:
    virtual ~PrintTarget() = default;
    // The device the text is measured for; its printable area is the page.
    virtual HDC ReferenceDC() = 0;
    virtual void StartDocument(const std::wstring& name) = 0;
    // The device of the page begun, valid until EndPage.
    virtual HDC StartPage() = 0;
    virtual void EndPage() = 0;
    virtual void EndDocument() = 0;
    // Called instead of EndDocument when printing fails part-way.
    virtual void AbortDocument() = 0;
};

// A printer chosen in the print dialog.
class PrinterTarget : public PrintTarget {
  public:
    explicit PrinterTarget(HDC printer) : dc_(printer) {}
    HDC ReferenceDC() override { return dc_; }
    void StartDocument(const std::wstring& name) override;
    HDC StartPage() override;
    void EndPage() override;
    void EndDocument() override;
    void AbortDocument() override;

  private:
    HDC dc_;
};

// Prints the entry in the view's font (face, character set and text colour)
// as a job named `documentName`. An empty entry gives one page without text.
void PrintEntry(const lookup::EntryDocument& doc, const ui::TFont& viewFont, PrintTarget& target,
                const std::string& documentName);

}  // namespace output
