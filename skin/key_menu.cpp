#include "skin/key_menu.h"

#include "skin/system_numbers.h"
#include "text/utf8.h"

namespace skin {
namespace {

constexpr uint32_t kSpace = ' ';
constexpr uint32_t kMdiChildMenuKey = '-';

char32_t FoldAscii(char32_t c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
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

KeyMenuAnswer DecideKeyMenu(uint32_t key, bool mouseCaptured,
                            std::span<const TMenuBarButton> buttons) {
    if (key == kSpace)
        return {KeyMenuEffect::OpenSystemMenu, 0};
    if (key == kMdiChildMenuKey || mouseCaptured)
        return {};
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (key == 0 || HasAccelerator(buttons[i].Caption, key))
            return {KeyMenuEffect::OpenMenuBarButton, i};
    }
    return {};
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
