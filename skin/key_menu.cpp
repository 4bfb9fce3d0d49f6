#include "skin/key_menu.h"

#include <vector>

#include "skin/system_numbers.h"
#include "text/utf8.h"

namespace skin {
namespace {

constexpr uint32_t kSpace = ' ';
constexpr uint32_t kMdiChildMenuKey = '-';

char32_t FoldAscii(char32_t c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

bool Reachable(const TMenuBarButton& b) {
    return b.Visible && !b.Caption.empty();
}

}  // namespace

bool HasAccelerator(std::string_view caption, char32_t key) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        size_t pos = i + 1;
        return FoldAscii(text::utf8::Next(caption, pos)) == FoldAscii(key);
    }
    return false;
}

std::optional<size_t> FindAcceleratorButton(std::span<const TMenuBarButton> buttons, char32_t key) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (Reachable(buttons[i]) && HasAccelerator(buttons[i].Caption, key))
            return i;
    }
    return std::nullopt;
}

KeyMenuAnswer DecideKeyMenu(uint32_t key, bool mouseCaptured,
                            std::span<const TMenuBarButton> buttons) {
    if (key == kSpace)
        return {KeyMenuEffect::OpenSystemMenu, 0};
    if (key == kMdiChildMenuKey || mouseCaptured)
        return {};
    std::optional<size_t> button;
    if (key == 0) {
        for (size_t i = 0; i < buttons.size() && !button; ++i) {
            if (Reachable(buttons[i]))
                button = i;
        }
    } else {
        button = FindAcceleratorButton(buttons, key);
    }
    if (!button)
        return {};
    return {KeyMenuEffect::OpenMenuBarButton, *button};
}

MenuCharAnswer DecideMenuChar(std::span<const std::string> captions, char32_t key,
                              std::optional<size_t> selected) {
    std::vector<size_t> matches;
    for (size_t i = 0; i < captions.size(); ++i) {
        if (HasAccelerator(captions[i], key))
            matches.push_back(i);
    }
    if (matches.empty())
        return {};
    if (matches.size() == 1)
        return {MenuCharEffect::Execute, matches.front()};
    for (size_t i : matches) {
        if (!selected || i > *selected)
            return {MenuCharEffect::Select, i};
    }
    return {MenuCharEffect::Select, matches.front()};
}

bool RepostsAsSystemCommand(uint32_t commandNumber) {
    switch (static_cast<SystemCommand>(commandNumber)) {
        case SystemCommand::Size:
        case SystemCommand::Move:
        case SystemCommand::Minimize:
        case SystemCommand::Maximize:
        case SystemCommand::NextWindow:
        case SystemCommand::PrevWindow:
        case SystemCommand::Close:
        case SystemCommand::Restore:
            return true;
        default:
            return false;
    }
}

}  // namespace skin
