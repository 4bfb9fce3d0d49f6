#include "skin/menu_item_measure.h"

#include <algorithm>

namespace skin {
namespace {

constexpr int kPopupRoom = 12;
constexpr int kPopupRoomWithoutImages = 23;
constexpr int kMainMenuRoom = 10;
constexpr int kMainMenuRoomWithoutImages = 25;
constexpr int kSystemItemRoom = 26;
constexpr int kSystemSeparatorHeight = 8;
constexpr int kTextLeading = 4;
constexpr int kImageLeading = 2;

int PictureLeftWidth(const SkinDefinition& skin) {
    return skin.MenuItem && !skin.MenuItem->Image.Empty() ? skin.MenuItem->LeftWidth : 0;
}

// The caption's and the shortcut's size side by side.
Size TextSize(const MenuItemFacts& item, const MenuItemSources& sources,
              const MenuMetrics& metrics) {
    const TextPainter& font = item.Default ? sources.Fonts.Bold : sources.Fonts.Normal;
    const std::string& caption = item.Text.Caption;
    Size size = font.Measure(caption.empty() || caption == "&" ? " " : caption);
    if (!item.Text.Shortcut.empty()) {
        const Size shortcut = font.Measure(item.Text.Shortcut);
        size.width += metrics.CheckWidth + shortcut.width;
        size.height = std::max(size.height, shortcut.height);
    }
    return size;
}

Size StandardMenuItemSize(const MenuItemFacts& item, const MenuItemSources& sources,
                          const MenuMetrics& metrics) {
    if (item.Text.IsSeparator())
        return {0, metrics.LineHeight / 2};
    const Size text = TextSize(item, sources, metrics);
    Size size{text.width, std::max(metrics.LineHeight, text.height + kTextLeading)};
    if (sources.Images) {
        size.width += sources.Images->ImageSize.width;
        size.height = std::max(size.height, sources.Images->ImageSize.height + kImageLeading);
    }
    return size;
}

}  // namespace

Size MeasureMenuItem(const MenuItemFacts& item, MeasureRule rule, const MenuItemSources& sources,
                     const MenuMetrics& metrics) {
    const int leftWidth = PictureLeftWidth(sources.Skin);
    if (rule == MeasureRule::SystemItem) {
        if (item.Text.IsSeparator())
            return {kSystemItemRoom + leftWidth, kSystemSeparatorHeight};
        const Size text = TextSize(item, sources, metrics);
        return {text.width + kSystemItemRoom + leftWidth, text.height + kTextLeading};
    }
    Size size = StandardMenuItemSize(item, sources, metrics);
    const bool images = sources.Images != nullptr;
    if (rule == MeasureRule::PopupItem)
        size.width += leftWidth + kPopupRoom + (images ? 0 : kPopupRoomWithoutImages);
    else
        size.width += leftWidth + kMainMenuRoom + (images ? 0 : kMainMenuRoomWithoutImages);
    return size;
}

}  // namespace skin
