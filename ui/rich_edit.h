// A rich text view.
#pragma once

#include "ui/control.h"

namespace ui {

class TRichEdit : public TControl {
  public:
    TRichEdit(TComponent& owner, TControl* parent, int left, int top, int width, int height,
              bool readOnly);
    std::string ClassName() const override { return "TRichEdit"; }

    std::string Text() const { return Caption(); }
    void Clear();

    // Replaces the whole content with rich text (RTF).
    void SetRtf(std::string_view rtf);
    // A line of the text as its line breaks divide it (not as it wraps on
    // the screen); empty past the last.
    std::string Line(int index) const;

    void SetSelection(int start, int length);
    int SelectionLength() const;

    // The view's own copy of its selection to the clipboard (rich text with
    // plain text); nothing when the selection is empty.
    void CopyToClipboard();
    void SelectAll() { SetSelection(0, -1); }
    // The whole content written by the view itself in a stream format
    // (SF_RTF, SF_TEXT).
    std::string StreamOut(unsigned format) const;

    // Between the two calls the view is not repainted.
    void BeginUpdate();
    void EndUpdate();

    bool GetProperty(std::string_view name, PropertyValue& value) const override;

  protected:
    void FontChanged() override;
    void ColorChanged() override;
};

}  // namespace ui
