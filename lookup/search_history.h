// The search histories of the keyword and initials boxes: each box's
// drop-down list holds the texts it was searched for, newest first, without
// repeats, and the ten newest survive a restart in the settings file.
//
// The functions work on a copy of a box (its text and its entries); the
// window copies the box in before and out after.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_file.h"

namespace lookup {

// Slots "Item1" to "Item10" are read back; a save writes every entry.
inline constexpr int HistorySlotCount = 10;

inline constexpr std::string_view kKeywordSection = "KeyWord_List";
inline constexpr std::string_view kInitialsSection = "S_List";

struct HistoryBox {
    std::string text;
    std::vector<std::string> items;  // entry 0 is the newest
};

// Both boxes' entries from slots 1 to 10, trimmed, blank slots skipped.
void LoadHistories(const settings::SettingsSnapshot& ini, HistoryBox& keyword,
                   HistoryBox& initials);

// Puts the box's text at the top of its entries. `scratch` is the working
// list: the searched text as typed, then every older entry not yet in it.
void UpdateHistory(HistoryBox& box, std::vector<std::string>& scratch);

// Empties slots 1 to 10 of both sections, then writes every entry.
void SaveHistories(settings::SettingsFile& ini, const HistoryBox& keyword,
                   const HistoryBox& initials);

// Empties slots 1 to 10 in the file, then the box.
void ClearKeywordHistory(settings::SettingsFile& ini, HistoryBox& keyword);
void ClearInitialsHistory(settings::SettingsFile& ini, HistoryBox& initials);

}  // namespace lookup
