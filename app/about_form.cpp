#include "app/about_form.h"

#include "app/resource_data.h"
#include "resources/resource_ids.h"
#include "ui/jpeg_decoder.h"

namespace {

// A picture stored as a JPEG resource of the executable.
pixels::Bitmap PictureResource(int id) {
    const std::span<const uint8_t> data = ResourceData(MAKEINTRESOURCEW(id));
    auto picture = ui::DecodeJpeg(data.data(), data.size());
    return picture ? std::move(*picture) : pixels::Bitmap();
}

}  // namespace

TForm2::TForm2(ui::TComponent& owner)
    : ui::TForm(owner, L"TForm2", ui::TFormBorderStyle::bsDialog,
                ui::TPosition::poOwnerFormCenter) {
    Name = "Form2";
    SetCaption("关于“Lexora电子版”");
    Font().SetName("宋体");
    Font().SetHeight(-12);
    Font().SetCharset(ui::kGb2312Charset);
    SetClientSize(424, 226);

    // The pictures are decoded when the window first shows (see WndProc).
    Image1 = ui::Make<ui::TImage>(*this, this, 16, 16, 96, 96);
    Image1->Name = "Image1";
    Image2 = ui::Make<ui::TImage>(*this, this, 16, 128, 296, 82);
    Image2->Name = "Image2";

    Label1 = ui::Make<ui::TLabel>(*this, this, 128, 20, 280, 16);
    Label1->Name = "Label1";
    Label1->Font().SetStyle(ui::fsBold);
    Label1->SetCaption("Lexora电子版 2007");
    Label2 = ui::Make<ui::TLabel>(*this, this, 128, 48, 280, 14);
    Label2->Name = "Label2";
    Label2->SetCaption("汉语成语词典：查询、浏览、个人见解");
    Label3 = ui::Make<ui::TLabel>(*this, this, 128, 70, 280, 14);
    Label3->Name = "Label3";
    Label3->SetCaption("主页：lexora.example.org");
    Label4 = ui::Make<ui::TLabel>(*this, this, 128, 92, 280, 14);
    Label4->Name = "Label4";
    Label4->SetCaption("电子邮件：support@lexora.example.org");

    Button1 = ui::Make<ui::TButton>(*this, this, 333, 185, 75, 25);
    Button1->Name = "Button1";
    Button1->SetCaption("确定");
    Button1->ModalResult = ui::mrOk;
    Button1->SetDefault(true);
}

// The window is made at start-up but seldom shown: decoding its pictures then
// would put the JPEG decoder's code and both pictures into the working set of
// every run. They are decoded just before the window first shows.
void TForm2::WndProc(ui::TMessage& m) {
    if (m.Msg == WM_SHOWWINDOW && m.WParam && !picturesLoaded_) {
        picturesLoaded_ = true;
        Image1->SetPicture(PictureResource(IDR_ABOUT_SEAL));
        Image2->SetPicture(PictureResource(IDR_ABOUT_SCENE));
    }
    ui::TForm::WndProc(m);
}
