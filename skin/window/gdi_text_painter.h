// Text for the composed pictures in a font of the system. The line is drawn
// by GDI into a DIB section that holds the picture's own pixels under the
// box, so it lands on the picture exactly as it will show; a test that
// composes with the same painter gets the same pixels as the window.
#pragma once

#include <windows.h>

#include <string_view>

#include "skin/text_painter.h"
#include "skin/window/dib.h"
#include "ui/win_handle.h"

namespace skin::window {

// Whether "&" marks the next character as an accelerator (underlined, and
// "&&" a plain ampersand), as in menu captions, or is a character of its
// own, as in window captions.
enum class Ampersand { Plain, MarksAccelerator };

class GdiTextPainter : public TextPainter {
  public:
    GdiTextPainter(const LOGFONTW& font, Ampersand ampersand);
    ~GdiTextPainter() override;

    Size Measure(std::string_view text) const override;
    void Draw(Bitmap& target, Rect box, std::string_view text, Colour colour,
              TextAlign align) override;

  private:
    ui::OwnedFont font_;
    OwnedDC dc_;
    HGDIOBJ previousFont_;
    UINT format_;
};

// The fonts of the system's non-client metrics.
LOGFONTW CaptionLogFont();
LOGFONTW MenuLogFont();

}  // namespace skin::window
