#include "skin/menu_tracking.h"

#include "skin/system_numbers.h"

namespace skin {
namespace {

constexpr uint32_t KeyOf(VirtualKey key) {
    return static_cast<uint32_t>(key);
}

// A button the user can move to: on the bar, with a caption.
bool OnBar(const TMenuBarButton& b) {
    return b.Visible && !b.Place.Empty();
}

std::optional<size_t> Neighbour(std::span<const TMenuBarButton> buttons, size_t from, int step) {
    const size_t n = buttons.size();
    for (size_t k = 1; k < n; ++k) {
        const size_t i = step > 0 ? (from + k) % n : (from + n - k) % n;
        if (OnBar(buttons[i]))
            return i;
    }
    return std::nullopt;
}

std::optional<size_t> ButtonAt(std::span<const TMenuBarButton> buttons, Point p) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (OnBar(buttons[i]) && buttons[i].Place.Contains(p))
            return i;
    }
    return std::nullopt;
}

}  // namespace

uint32_t MenuKeyFor(uint32_t key, bool rightToLeft) {
    if (!rightToLeft)
        return key;
    if (key == KeyOf(VirtualKey::Left))
        return KeyOf(VirtualKey::Right);
    if (key == KeyOf(VirtualKey::Right))
        return KeyOf(VirtualKey::Left);
    return key;
}

void MenuBarTracking::Open(size_t button, Point pointer) {
    *this = {};
    open_ = button;
    pointer_ = pointer;
}

void MenuBarTracking::Close() {
    *this = {};
}

MenuLoopAnswer MenuBarTracking::SwitchTo(std::optional<size_t> button,
                                         std::span<const TMenuBarButton> buttons) {
    MenuLoopAnswer answer;
    if (!button || button == open_ || button == pending_ || *button >= buttons.size())
        return answer;
    switching_ = true;
    pending_ = button;
    answer.SwitchTo = button;
    const Rect place = buttons[*button].Place;
    answer.ClickAt = {place.left + 1, place.top + 1};
    return answer;
}

MenuLoopAnswer MenuBarTracking::Filter(const MenuLoopFacts& message,
                                       std::span<const TMenuBarButton> buttons) {
    if (!open_)
        return {};
    MenuLoopAnswer answer;
    switch (message.Kind) {
        case MenuLoopMessage::KeyDown: {
            const uint32_t key = message.Key;
            if (key == KeyOf(VirtualKey::Return) || key == KeyOf(VirtualKey::Escape)) {
                switching_ = false;
                pending_.reset();
            } else if (key == KeyOf(VirtualKey::Left) && (!selection_ || selectionInDropDown_)) {
                answer = SwitchTo(Neighbour(buttons, *open_, -1), buttons);
            } else if (key == KeyOf(VirtualKey::Right) &&
                       (!selection_ || !selectionOpensSubMenu_)) {
                answer = SwitchTo(Neighbour(buttons, *open_, +1), buttons);
            }
            break;
        }
        case MenuLoopMessage::SysKeyDown:
            answer.ClearMenuOpen = message.Key == KeyOf(VirtualKey::Menu);
            break;
        case MenuLoopMessage::MenuSelect:
            if (message.Closed) {
                answer.ClearMenuOpen = !switching_;
                selection_ = false;
            } else {
                switching_ = false;
                selection_ = true;
                selectionInDropDown_ = message.InDropDown;
                selectionOpensSubMenu_ = message.OpensSubMenu;
            }
            break;
        case MenuLoopMessage::MouseMove:
            if (message.Pointer != pointer_) {
                pointer_ = message.Pointer;
                answer = SwitchTo(ButtonAt(buttons, pointer_), buttons);
            }
            break;
        case MenuLoopMessage::Other:
            break;
    }
    return answer;
}

}  // namespace skin
