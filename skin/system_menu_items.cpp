#include "skin/system_menu_items.h"

#include "skin/system_numbers.h"

namespace skin {

std::vector<SkinnedMenuItem> SkinnedSystemMenu(std::span<const SystemMenuItem> items,
                                               ShowState show, const FrameFacts& frame) {
    std::vector<SkinnedMenuItem> out;
    for (const SystemMenuItem& item : items) {
        SkinnedMenuItem m;
        m.Caption = item.Text.empty() ? "-" : item.Text;
        m.Tag = item.Command;
        m.Checked = item.Checked;
        m.Enabled = !item.Grayed;
        const bool maximised = show == ShowState::Maximised;
        switch (static_cast<SystemCommand>(item.Command)) {
            case SystemCommand::Restore:
                m.Glyph = MenuGlyph::Restore;
                m.Enabled = show != ShowState::Normal;
                break;
            case SystemCommand::Maximize:
                m.Glyph = MenuGlyph::Maximise;
                m.Enabled = !maximised && frame.MaximiseBox;
                break;
            case SystemCommand::Minimize:
                m.Glyph = MenuGlyph::Minimise;
                m.Enabled = show != ShowState::Minimised && frame.MinimiseBox;
                break;
            case SystemCommand::Close:
                m.Glyph = MenuGlyph::Close;
                break;
            case SystemCommand::Size:
            case SystemCommand::Move:
                m.Enabled = !maximised;
                break;
            default:
                break;
        }
        out.push_back(std::move(m));
    }
    return out;
}

}  // namespace skin
