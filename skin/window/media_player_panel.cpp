#include "skin/window/media_player_panel.h"

namespace skin::window {
namespace {

// The buttons of a media player, in their order on the bar.
constexpr SmallGlyph kSigns[] = {SmallGlyph::Play, SmallGlyph::Pause,  SmallGlyph::Stop,
                                 SmallGlyph::Next, SmallGlyph::Prev,   SmallGlyph::Step,
                                 SmallGlyph::Back, SmallGlyph::Record, SmallGlyph::Eject};
constexpr int kButtons = static_cast<int>(std::size(kSigns));

}  // namespace

bool TMediaPlayerPanel::Press(int x, int width) {
    pressed_ = MediaButtonAt(width, kButtons, x);
    return true;
}

bool TMediaPlayerPanel::Release() {
    const bool changed = pressed_ >= 0;
    pressed_ = -1;
    return changed;
}

bool TMediaPlayerPanel::Move(int x, int width) {
    const int button = MediaButtonAt(width, kButtons, x);
    const bool changed = button != hot_;
    hot_ = button;
    return changed;
}

bool TMediaPlayerPanel::Leave() {
    const bool changed = hot_ >= 0;
    hot_ = -1;
    return changed;
}

MediaPlayerFacts TMediaPlayerPanel::Facts(bool enabled) const {
    MediaPlayerFacts f;
    for (const SmallGlyph sign : kSigns)
        f.buttons.push_back({sign, enabled});
    f.pressed = pressed_;
    f.hot = hot_;
    return f;
}

void TMediaPlayerPanel::Paint(HDC dc, Rect place, const SkinDefinition& skin, bool enabled,
                              const SystemLook& look) const {
    Bitmap picture(place.Width(), place.Height());
    PaintMediaPlayer(picture, place, Facts(enabled), skin, look);
    Blit(dc, picture, place);
}

TSkinMP::TSkinMP(const ControlContext& context)
    : TSkinControl(context, {SkinnedControlKind::TSkinMP}) {}

bool TSkinMP::BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) {
    return !PaintAlone(m) && TSkinControl::BeforeMessage(m, next);
}

void TSkinMP::AfterMessage(ui::TMessage& m) {
    const int x = static_cast<short>(LOWORD(m.LParam));
    bool changed = false;
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            changed = panel_.Press(x, Width());
            break;
        case WM_LBUTTONUP:
            changed = panel_.Release();
            break;
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                TrackPointerLeave();
                trackingLeave_ = true;
            }
            changed = panel_.Move(x, Width());
            break;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            changed = panel_.Leave();
            break;
        default:
            TSkinControl::AfterMessage(m);
            break;
    }
    if (changed)
        Repaint();
}

void TSkinMP::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    panel_.Paint(dc, place, skin, Enabled(), Look());
}

}  // namespace skin::window
