// The About window.
#pragma once

#include "ui/button.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"

class TForm2 : public ui::TForm {
  public:
    explicit TForm2(ui::TComponent& owner);

    ui::TImage *Image1, *Image2;
    ui::TLabel *Label1, *Label2, *Label3, *Label4;
    ui::TButton* Button1;

  protected:
    void WndProc(ui::TMessage& message) override;

  private:
    bool picturesLoaded_ = false;
};
