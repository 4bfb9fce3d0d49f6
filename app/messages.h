// The program's own message boxes, each with one OK button.
#pragma once

#include <string_view>

// Caption "确认" and the information icon: a confirmation.
void ShowConfirmation(std::string_view text);
// Caption "确认" and the warning icon: a refusal.
void ShowRefusal(std::string_view text);
// Captioned with the application title, no icon.
void ShowPlainMessage(std::string_view text);
