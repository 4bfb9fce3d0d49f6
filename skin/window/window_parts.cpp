#include "skin/window/window_parts.h"

#include <windows.h>

#include "skin/window/dib.h"
#include "skin/window/gdi_text_painter.h"
#include "skin/window/window_icon.h"
#include "ui/application.h"

namespace skin::window {

std::unique_ptr<TextPainter> Win32WindowParts::MakeCaptionFont() {
    return std::make_unique<GdiTextPainter>(CaptionLogFont(), Ampersand::Plain);
}

Bitmap Win32WindowParts::MakeApplicationIcon() {
    return IconPicture(WindowIcon(ui::Application().Handle()), SmallIconSize());
}

}  // namespace skin::window
