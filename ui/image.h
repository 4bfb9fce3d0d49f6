// A picture shown at its natural size.
#pragma once

#include "skin/bitmap.h"
#include "ui/control.h"

namespace ui {

class TImage : public TControl {
  public:
    TImage(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TImage"; }

    const skin::Bitmap& Picture() const { return picture_; }
    void SetPicture(skin::Bitmap picture);

  protected:
    void WndProc(TMessage& message) override;

  private:
    skin::Bitmap picture_;
};

}  // namespace ui
