// A list of same-sized pictures, for tool bars, trees and menus.
#pragma once

#include <windows.h>

#include "ui/component.h"
#include "ui/win_handle.h"

namespace ui {

class TImageList : public TComponent {
  public:
    TImageList(TComponent& owner, int width, int height);
    std::string ClassName() const override { return "TImageList"; }

    // Adds the pictures of a strip (as many as its width holds), with the
    // colour `transparent` masked out.
    void AddMasked(HBITMAP strip, COLORREF transparent);
    int Count() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    HIMAGELIST Handle() const { return list_.get(); }

  private:
    int width_;
    int height_;
    OwnedImageList list_;
};

}  // namespace ui
