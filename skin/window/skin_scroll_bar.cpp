#include "skin/window/skin_scroll_bar.h"

#include <vector>

#include "skin/control_border.h"
#include "skin/scroll_bar_look.h"
#include "skin/window/engine_messages.h"
#include "ui/message.h"

namespace skin::window {
namespace {

bool BorderStyleNone(const ui::TControl& control) {
    ui::PropertyValue value;
    std::string style;
    return control.GetProperty("BorderStyle", value) && ui::Extract(value, style) &&
           style == "bsNone";
}

Rect InWindow(HWND overlay, HWND window) {
    RECT own, r;
    GetWindowRect(window, &own);
    GetWindowRect(overlay, &r);
    return {r.left - own.left, r.top - own.top, r.right - own.left, r.bottom - own.top};
}

}  // namespace

TSkinScrollbar::TSkinScrollbar(const ControlContext& context, SkinnedControlKind member,
                               bool single)
    : TSkinControl(context, {member}), single_(single) {}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachControl(ui::TControl& control, bool changeColor) {
    TSkinControl::AttachControl(control, changeColor);
    border_ = ScrollControlHasBorder(BorderStyleNone(control), control.ClassName());
    ui::PropertyValue value;
    int64_t fixed = 0;
    if (control.GetProperty("FixedColor", value) && ui::Extract(value, fixed)) {
        savedFixedColor_ = fixed;
        control.SetProperty("FixedColor",
                            int64_t{ResolveColour(Skin()->Colours.ButtonFace, Look())});
    }
    MakeOverlays();
}

void TSkinScrollbar::AttachWindow(HWND window) {
    TSkinControl::AttachWindow(window);
    MakeOverlays();
}

void TSkinScrollbar::MakeOverlays() {
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    if (!(style & WS_CLIPSIBLINGS)) {
        SetWindowLongW(Window(), GWL_STYLE, style | WS_CLIPSIBLINGS);
        clipSiblingsAdded_ = true;
    }
    vertical_ = std::make_unique<TScrollOverlay>(Window(), true, Data(), Look());
    if (!single_)
        horizontal_ = std::make_unique<TScrollOverlay>(Window(), false, Data(), Look());
    PlaceOverlays();
}

void TSkinScrollbar::RestoreLook() {
    vertical_.reset();
    horizontal_.reset();
    if (clipSiblingsAdded_ && State() != LifeState::WindowDestroyed) {
        const LONG style = GetWindowLongW(Window(), GWL_STYLE);
        SetWindowLongW(Window(), GWL_STYLE, style & ~WS_CLIPSIBLINGS);
    }
    clipSiblingsAdded_ = false;
    if (savedFixedColor_ && Control())
        Control()->SetProperty("FixedColor", *savedFixedColor_);
    savedFixedColor_.reset();
    TSkinControl::RestoreLook();
}

void TSkinScrollbar::Refresh() {
    if (savedFixedColor_ && Control()) {
        Control()->SetProperty("FixedColor",
                               int64_t{ResolveColour(Skin()->Colours.ButtonFace, Look())});
    }
    PlaceOverlays();
    TSkinControl::Refresh();
}

TScrollOverlay* TSkinScrollbar::Overlay(bool vertical) const {
    return vertical ? vertical_.get() : horizontal_.get();
}

void TSkinScrollbar::PlaceOverlays() {
    const bool draws = CanDrawNow();
    for (TScrollOverlay* overlay : {vertical_.get(), horizontal_.get()}) {
        if (!overlay)
            continue;
        if (draws)
            overlay->Place();
        else
            overlay->Hide();
    }
}

bool TSkinScrollbar::OutOfStep(const TScrollOverlay& overlay) const {
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    const bool styleShowsBar = style & (overlay.Vertical() ? WS_VSCROLL : WS_HSCROLL);
    return styleShowsBar != overlay.Shown();
}

bool TSkinScrollbar::SkinCoversFrame() const {
    if (!border_)
        return false;
    std::vector<Rect> covers;
    for (const TScrollOverlay* overlay : {vertical_.get(), horizontal_.get()}) {
        if (overlay && overlay->Shown())
            covers.push_back(InWindow(overlay->Window(), Window()));
    }
    if (covers.size() == 2)
        covers.push_back(ScrollCorner(covers[0], covers[1]));
    const Rect place = WindowPlace(Window());
    const Rect client = ClientPlace(Window());
    const Size size{place.Width(), place.Height()};
    return FrameCovered(size, client, BorderRings(size, client), covers);
}

bool TSkinScrollbar::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    // The control's own frame drawing would be painted over by the rings and
    // the corner, or clipped away under the overlays (the control clips its
    // siblings): where the skin covers the whole frame it is left out. Under
    // Wine it is a themed drawing of each scroll bar, 5 ms a bar.
    if (m.Msg == WM_NCPAINT && CanDrawNow()) {
        // A bar that has just come or gone is painted with the frame that
        // made room for it, before the overlays would follow it.
        for (TScrollOverlay* overlay : {vertical_.get(), horizontal_.get()}) {
            if (overlay && OutOfStep(*overlay))
                overlay->Place();
        }
        if (SkinCoversFrame() && PaintWindow(nullptr)) {
            m.Result = 0;
            return false;
        }
    }
    if (m.Msg == WM_NCDESTROY) {
        // The overlays are windows of the parent: they go with the control.
        for (TScrollOverlay* overlay : {vertical_.get(), horizontal_.get()}) {
            if (overlay)
                overlay->DestroyNow();
        }
    }
    return TSkinControl::BeforeMessage(m, next);
}

void TSkinScrollbar::AfterMessage(ui::TMessage& m) {
    switch (m.Msg) {
        case WM_SIZE:
        case WM_WINDOWPOSCHANGED:
        case WM_SHOWWINDOW:
        case ui::CM_VISIBLECHANGED:
            PlaceOverlays();
            break;
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (TScrollOverlay* overlay = Overlay(m.Msg == WM_VSCROLL); overlay && overlay->Shown())
                overlay->ScrollRequest(LOWORD(m.WParam));
            break;
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
        case WM_KEYDOWN:
        case WM_NCPAINT:
            PaintWindow(nullptr);
            break;
        case ui::CM_RECREATEWND:
            PostMessageW(FrameWindow(), kRecreateControlSkinMessage,
                         reinterpret_cast<WPARAM>(Window()), 0);
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
}

void TSkinScrollbar::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    for (TScrollOverlay* overlay : {vertical_.get(), horizontal_.get()}) {
        if (!overlay)
            continue;
        if (OutOfStep(*overlay))
            overlay->Place();
        else
            overlay->PaintNow();
    }
    if (vertical_ && horizontal_ && vertical_->Shown() && horizontal_->Shown()) {
        const Rect corner = ScrollCorner(InWindow(vertical_->Window(), Window()),
                                         InWindow(horizontal_->Window(), Window()));
        Bitmap picture(place.Width(), place.Height());
        PaintScrollCorner(picture, corner, skin, Look());
        Blit(dc, picture, corner);
    }
    if (border_)
        PaintBorder(dc, place, skin);
}

void TSkinScrollbar::PaintBorder(HDC dc, Rect place, const SkinDefinition& skin) {
    const int rings = BorderRings({place.Width(), place.Height()}, ClientPlace(Window()));
    if (rings == 0)
        return;
    Bitmap picture(place.Width(), place.Height());
    PaintControlBorder(picture, place, rings, skin, Look());
    for (const Rect& strip : BorderStrips(place, rings))
        Blit(dc, picture, strip);
}

}  // namespace skin::window
