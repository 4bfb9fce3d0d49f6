#include "ui/image.h"

#include "ui/window_class.h"

namespace ui {

TImage::TImage(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterOwnClass(L"TImage", 0);
    CreateWnd(L"TImage", WS_CHILD | WS_VISIBLE, 0, left, top, width, height);
}

void TImage::SetPicture(pixels::Bitmap picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void TImage::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r = ClientRect();
        FillRect(dc, &r, ColorBrush());
        if (!picture_.Empty()) {
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = picture_.Width();
            info.bmiHeader.biHeight = -picture_.Height();  // rows from the top
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            SetDIBitsToDevice(dc, 0, 0, picture_.Width(), picture_.Height(), 0, 0, 0,
                              picture_.Height(), picture_.Row(0), &info, DIB_RGB_COLORS);
        }
        EndPaint(Handle(), &ps);
        return;
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return;
    }
    TControl::WndProc(m);
}

}  // namespace ui
