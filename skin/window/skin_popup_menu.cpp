#include "skin/window/skin_popup_menu.h"

#include "skin/menu_item_look.h"
#include "skin/window/dib.h"
#include "skin/window/engine_messages.h"
#include "ui/win_handle.h"

namespace skin::window {
namespace {

void BlitBorder(HDC dc, const Bitmap& picture) {
    const int w = picture.Width(), h = picture.Height();
    Blit(dc, picture, {0, 0, w, kMenuBorder});
    Blit(dc, picture, {0, h - kMenuBorder, w, h});
    Blit(dc, picture, {0, kMenuBorder, kMenuBorder, h - kMenuBorder});
    Blit(dc, picture, {w - kMenuBorder, kMenuBorder, w, h - kMenuBorder});
}

}  // namespace

TSkinPopupMenu::TSkinPopupMenu(HWND menuWindow, TSkinData& data, const SystemLook& look)
    : window_(menuWindow), data_(data), look_(look), skin_(data.Skin()) {
    subclass_ = std::make_unique<ui::WindowSubclass>(
        menuWindow, [this](ui::TMessage& m, const ui::NextHandler& next) { OnMessage(m, next); });
}

const Bitmap* TSkinPopupMenu::Background() {
    if (!skin_ || !skin_->MenuBackground || skin_->MenuBackground->Image.Empty() || destroyed_)
        return nullptr;
    RECT windowRect{};
    GetWindowRect(window_, &windowRect);
    const Size size{windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
    if (background_.Width() != size.width || background_.Height() != size.height) {
        background_ = PaintMenuBackground(size, *skin_, look_);
        POINT origin{0, 0};
        ClientToScreen(window_, &origin);
        clientOrigin_ = {origin.x - windowRect.left, origin.y - windowRect.top};
    }
    return &background_;
}

void TSkinPopupMenu::PaintBorder() {
    if (const Bitmap* picture = Background()) {
        ui::WholeWindowDC dc(window_);
        BlitBorder(dc.get(), *picture);
    }
}

void TSkinPopupMenu::OnMessage(ui::TMessage& m, const ui::NextHandler& next) {
    // A failure leaves the system's look for this message.
    const auto guarded = [](auto&& paint) {
        try {
            paint();
        } catch (...) {
        }
    };
    switch (m.Msg) {
        case kAlreadySkinnedMessage:
            m.Result = 1;
            return;
        case WM_NCPAINT: {
            bool painted = false;
            guarded([&] {
                if (Background()) {
                    PaintBorder();
                    painted = true;
                }
            });
            if (!painted)
                next(m);
            return;
        }
        case WM_PAINT:
            // Some systems frame the menu inside its client area: the border
            // goes over that frame once the items are drawn.
            next(m);
            guarded([&] { PaintBorder(); });
            return;
        case WM_PRINT:
            next(m);
            guarded([&] {
                if (const Bitmap* picture = Background())
                    BlitBorder(reinterpret_cast<HDC>(m.WParam), *picture);
            });
            return;
        case WM_ERASEBKGND:
            if (!data_.Options.Contains(TSkinOption::xoMenuBG))
                next(m);
            m.Result = 1;
            return;
        case WM_DESTROY:
            destroyed_ = true;
            background_ = Bitmap();
            break;
        default:
            break;
    }
    next(m);
}

}  // namespace skin::window
