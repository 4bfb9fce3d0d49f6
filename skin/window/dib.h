// The window half's only ways of putting composed pictures on a window, and
// of taking pictures (icons, the screen) from the system: 32-bit top-down
// DIBs, whose rows are the rows of a pixels::Bitmap as they stand.
#pragma once

#include <windows.h>

#include "pixels/bitmap.h"
#include "skin/geometry.h"
#include "ui/win_handle.h"

namespace skin::window {

using pixels::Bitmap;

struct CloseDC {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using OwnedDC = ui::Owned<HDC, CloseDC>;
using OwnedRegion = ui::Owned<HRGN, ui::CloseGdiObject>;

// A DIB section with a memory device context that it is selected into.
class DibSection {
  public:
    DibSection(int width, int height);
    ~DibSection();
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    HDC Dc() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Row y from the top, `Width()` pixels of 0x00RRGGBB (GDI may leave its
    // own value in the top byte).
    uint32_t* Row(int y) const { return bits_ + static_cast<size_t>(y) * width_; }

    // The part of `picture` whose top-left corner is at `from`, into the
    // section's top-left corner, and back.
    void Load(const Bitmap& picture, Point from);
    void Store(Bitmap& picture, Point to) const;

  private:
    int width_;
    int height_;
    OwnedDC dc_;
    ui::OwnedBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// Copies the `part` of `picture` (clipped to it) to `dc` at `part`'s own
// coordinates moved by `offset`.
void Blit(HDC dc, const Bitmap& picture, Rect part, Point offset = {});

// An icon at `size`, with magenta where it is transparent: a pixel counts as
// drawn where the icon's alpha is at least half or, for icons without
// alpha, where its mask is clear.
Bitmap IconPicture(HICON icon, Size size);

// What the screen shows in `area` (screen coordinates).
Bitmap ScreenPicture(Rect area);

}  // namespace skin::window
