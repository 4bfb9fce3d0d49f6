// The frame's painting: the portable composition code draws the whole frame
// into a picture of the window's size, off-screen; the frame copies its
// four parts to the window, each in one blit.
#include <algorithm>

#include "skin/pixel_ops.h"
#include "skin/window/dib.h"
#include "skin/window/engine_messages.h"
#include "skin/window/skin_form.h"
#include "skin/window/skin_manager.h"
#include "skin/window_frame.h"

namespace skin::window {
namespace {

// The frame's parts of a picture of the whole window: the caption with the
// menu band, the two sides and the bottom.
void BlitFrame(HDC dc, const Bitmap& picture, const FrameMetrics& m) {
    const int w = picture.Width(), h = picture.Height();
    const int top = m.CaptionHeight + m.MenuBarHeight;
    Blit(dc, picture, {0, 0, w, top});
    Blit(dc, picture, {0, top, m.BorderLeft, h - m.BorderBottom});
    Blit(dc, picture, {w - m.BorderRight, top, w, h - m.BorderBottom});
    Blit(dc, picture, {0, h - m.BorderBottom, w, h});
}

}  // namespace

CaptionState TSkinForm::CaptionStateNow() const {
    CaptionState s;
    s.Active = active_;
    s.Maximised = show_ == ShowState::Maximised;
    s.MaximiseBox = facts_.MaximiseBox;
    s.MinimiseBox = facts_.MinimiseBox;
    s.SystemMenu = facts_.SystemMenu;
    s.Kind = facts_.Kind;
    s.DialogClass = facts_.DialogClass;
    s.RightToLeft = facts_.RightToLeft;
    const HWND window = window_;
    s.AskWindow = [window](int visibility, int action) {
        return SendMessageW(window, kButtonShownMessage, static_cast<WPARAM>(visibility), action) >
               0;
    };
    return s;
}

void TSkinForm::PaintFrame(HDC dc) {
    if ((state_ != SkinState::Running && state_ != SkinState::Refreshing &&
         state_ != SkinState::Resizing) ||
        !skin_ || !data_ || !manager_ || facts_.Kind == FrameKind::NoCaption) {
        return;
    }
    TextPainter* captionFont = data_->CaptionFont();
    if (!captionFont)
        return;
    try {
        UpdateShowState();
        GetWindowRect(window_, &windowRect_);
        const int w = windowRect_.right - windowRect_.left;
        const int h = windowRect_.bottom - windowRect_.top;
        const SystemLook& look = manager_->Look();
        Bitmap picture(w, h);
        const CaptionState state = CaptionStateNow();
        if (show_ == ShowState::Minimised) {
            PaintMinimisedCaption(picture, *skin_, metrics_, state, buttons_, caption_,
                                  *captionFont, iconPicture_, look);
            captionBackground_ = Bitmap();
        } else {
            PaintBordersAndCaption(picture, *skin_, metrics_, active_, caption_, *captionFont,
                                   look);
            captionBackground_ = Crop(picture, {0, 0, w, metrics_.CaptionHeight});
            PaintCaptionButtons(picture, *skin_, metrics_, state, buttons_, iconPicture_);
            if (menuBar_) {
                menuBar_->PaintBand(picture,
                                    {metrics_.MenuBand({w, h}), active_, facts_.RightToLeft},
                                    *skin_, manager_->MenuFont(), look);
            } else if (metrics_.MenuBarHeight > 0) {
                FillMenuBand(picture, *skin_, metrics_, look);
            }
        }
        if (dc) {
            BlitFrame(dc, picture, metrics_);
        } else {
            const ui::WholeWindowDC windowDC(window_);
            BlitFrame(windowDC.get(), picture, metrics_);
        }
        // Only the part above the client area is kept, where the caption's
        // and the band's buttons are painted again on their own; the whole
        // picture would hold the window's size in memory for nothing.
        const int kept =
            show_ == ShowState::Minimised ? h : std::clamp(metrics_.ClientRect({w, h}).top, 0, h);
        picture_ = kept == h ? std::move(picture) : Crop(picture, {0, 0, w, kept});
    } catch (...) {
        // The next paint tries again.
    }
    ClearHotElement();
    for (TCaptionButton& b : buttons_)
        b.State = ElementState::Normal;
    if (menuBar_) {
        for (TMenuBarButton& b : menuBar_->Buttons())
            b.State = ElementState::Normal;
    }
}

void TSkinForm::PaintCaptionButton(const TCaptionButton& button) {
    if (picture_.Empty() || captionBackground_.Empty() || button.Place.Empty())
        return;
    try {
        RepaintCaptionButton(picture_, captionBackground_, button, iconPicture_);
        const ui::WholeWindowDC dc(window_);
        Blit(dc.get(), picture_, button.Place);
    } catch (...) {
        // The next paint of the frame shows it.
    }
}

void TSkinForm::PaintMenuBarButton(const TMenuBarButton& button) {
    if (picture_.Empty() || !menuBar_ || !manager_ || button.Place.Empty())
        return;
    try {
        menuBar_->PaintButton(picture_, button, *skin_, manager_->MenuFont(), manager_->Look());
        const ui::WholeWindowDC dc(window_);
        Blit(dc.get(), picture_, button.Place);
    } catch (...) {
        // As above.
    }
}

void TSkinForm::BringToFront() {
    SetForegroundWindow(window_);
}

}  // namespace skin::window
