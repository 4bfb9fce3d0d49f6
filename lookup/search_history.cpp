#include "lookup/search_history.h"

#include <algorithm>

#include "text/text_rules.h"

namespace lookup {
namespace {

std::string SlotKey(size_t n) {
    return "Item" + std::to_string(n);
}

std::vector<std::string> LoadHistory(const settings::SettingsSnapshot& ini,
                                     std::string_view section) {
    std::vector<std::string> items;
    for (int n = 1; n <= HistorySlotCount; ++n) {
        std::string entry = text::Trim(ini.ReadString(section, SlotKey(n), ""));
        if (!entry.empty())
            items.push_back(std::move(entry));
    }
    return items;
}

void EmptySlots(settings::SettingsFile& ini, std::string_view section) {
    for (int n = 1; n <= HistorySlotCount; ++n)
        ini.WriteString(section, SlotKey(n), "");
}

void SaveHistory(settings::SettingsFile& ini, std::string_view section,
                 const std::vector<std::string>& items) {
    EmptySlots(ini, section);
    for (size_t i = 0; i < items.size(); ++i)
        ini.WriteString(section, SlotKey(i + 1), items[i]);
}

void ClearHistory(settings::SettingsFile& ini, std::string_view section, HistoryBox& box) {
    EmptySlots(ini, section);
    box.text.clear();
    box.items.clear();
}

}  // namespace

void LoadHistories(const settings::SettingsSnapshot& ini, HistoryBox& keyword,
                   HistoryBox& initials) {
    keyword.items = LoadHistory(ini, kKeywordSection);
    initials.items = LoadHistory(ini, kInitialsSection);
}

void UpdateHistory(HistoryBox& box, std::vector<std::string>& scratch) {
    scratch.assign(1, box.text);
    for (const std::string& entry : box.items) {
        std::string trimmed = text::Trim(entry);
        const bool known = std::any_of(scratch.begin(), scratch.end(), [&](const std::string& s) {
            return text::Trim(s) == trimmed;
        });
        if (!known)
            scratch.push_back(std::move(trimmed));
    }
    const std::string searched = box.text;
    box.text.clear();
    box.items.clear();
    for (const std::string& entry : scratch) {
        if (!text::IsBlank(entry))
            box.items.push_back(text::Trim(entry));
    }
    if (!text::IsBlank(searched))
        box.text = box.items.front();
}

void SaveHistories(settings::SettingsFile& ini, const HistoryBox& keyword,
                   const HistoryBox& initials) {
    SaveHistory(ini, kKeywordSection, keyword.items);
    SaveHistory(ini, kInitialsSection, initials.items);
}

void ClearKeywordHistory(settings::SettingsFile& ini, HistoryBox& keyword) {
    ClearHistory(ini, kKeywordSection, keyword);
}

void ClearInitialsHistory(settings::SettingsFile& ini, HistoryBox& initials) {
    ClearHistory(ini, kInitialsSection, initials);
}

}  // namespace lookup
