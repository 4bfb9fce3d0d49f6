#include "ui/command.h"

#include <map>
#include <stdexcept>

namespace ui {
namespace {

std::map<uint16_t, TCommandTarget*>& Targets() {
    static std::map<uint16_t, TCommandTarget*> targets;
    return targets;
}

// Below the system commands (0xF000 and up) and clear of the small numbers
// dialogs use (IDOK, IDCANCEL, ...).
constexpr uint16_t kFirstCommand = 100;
constexpr uint16_t kLastCommand = 0xEFFF;

}  // namespace

uint16_t AllocateCommand(TCommandTarget& target) {
    auto& targets = Targets();
    static uint16_t next = kFirstCommand;
    for (int tries = 0; tries <= kLastCommand - kFirstCommand; ++tries) {
        const uint16_t command = next;
        next = next == kLastCommand ? kFirstCommand : static_cast<uint16_t>(next + 1);
        if (!targets.count(command)) {
            targets[command] = &target;
            return command;
        }
    }
    throw std::runtime_error("菜单命令编号已用完");
}

void ReleaseCommand(uint16_t command) {
    Targets().erase(command);
}

bool DispatchCommand(uint16_t command) {
    const auto& targets = Targets();
    const auto it = targets.find(command);
    if (it == targets.end())
        return false;
    it->second->Click();
    return true;
}

}  // namespace ui
