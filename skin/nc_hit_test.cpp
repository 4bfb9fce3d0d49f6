#include "skin/nc_hit_test.h"

namespace skin {

Point ScreenToWindow(Point screen, Point clientOnScreen, const FrameMetrics& m,
                     bool maximisedMdiChild) {
    Point p{screen.x - clientOnScreen.x, screen.y - clientOnScreen.y};
    if (!maximisedMdiChild) {
        p.x += m.BorderLeft;
        p.y += m.CaptionHeight + m.MenuBarHeight;
    }
    return p;
}

HitCode ReviseHitTest(HitCode answer, Point inWindow, const FrameMetrics& m) {
    if (answer != HitCode::Nowhere && answer != HitCode::Caption)
        return answer;
    if (inWindow.y > 3)
        answer = HitCode::Caption;
    if (inWindow.y > m.CaptionHeight && m.MenuBarHeight > 0)
        answer = HitCode::Menu;
    return answer;
}

TNcElement* FindElement(Point inWindow, std::span<TCaptionButton> captionButtons,
                        std::span<TMenuBarButton> menuBarButtons) {
    for (TCaptionButton& b : captionButtons) {
        if (b.Visible && b.Button().Action >= 0 && b.Place.Contains(inWindow))
            return &b;
    }
    for (TMenuBarButton& b : menuBarButtons) {
        if (!b.Caption.empty() && b.Place.Contains(inWindow))
            return &b;
    }
    return nullptr;
}

}  // namespace skin
