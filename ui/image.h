// A picture shown at its natural size.
#pragma once

#include "pixels/bitmap.h"
#include "ui/control.h"

namespace ui {

class TImage : public TControl {
  public:
    TImage(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TImage"; }

    const pixels::Bitmap& Picture() const { return picture_; }
    void SetPicture(pixels::Bitmap picture);

  protected:
    void WndProc(TMessage& message) override;

  private:
    pixels::Bitmap picture_;
};

}  // namespace ui
