// TMediaPlayerPanel, what draws a media player's button bar in the skin for
// TSkinMP: the player's buttons side by side, the one under the pointer hot
// and the one the button went down on pressed. The player keeps its own
// handling of the clicks.
#pragma once

#include <windows.h>

#include "skin/media_player_look.h"
#include "skin/window/skin_control.h"

namespace skin::window {

class TMediaPlayerPanel {
  public:
    // A press, a release or a move at `x` of a bar `width` wide: true when
    // the panel's look changed.
    bool Press(int x, int width);
    bool Release();
    bool Move(int x, int width);
    bool Leave();

    MediaPlayerFacts Facts(bool enabled) const;
    void Paint(HDC dc, Rect place, const SkinDefinition& skin, bool enabled,
               const SystemLook& look) const;

  private:
    int pressed_ = -1;
    int hot_ = -1;
};

class TSkinMP : public TSkinControl {
  public:
    explicit TSkinMP(const ControlContext& context);

    const TMediaPlayerPanel& Panel() const { return panel_; }

  protected:
    bool BeforeMessage(ui::TMessage& m, const ui::NextHandler& next) override;
    void AfterMessage(ui::TMessage& m) override;
    void DrawControl(HDC dc, Rect place, const SkinDefinition& skin) override;

  private:
    int Width() const { return WindowPlace(Window()).Width(); }

    TMediaPlayerPanel panel_;
    bool trackingLeave_ = false;
};

}  // namespace skin::window
