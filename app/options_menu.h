// The commands of the "设置" menu and the start-up step that sets its check
// marks. Minimise-to-tray is on only while the tray icon is on, and the icon
// is in the tray exactly while its option is checked.
#pragma once

#include <string>
#include <string_view>

#include "app/autostart_registry.h"
#include "settings/settings_file.h"

namespace settings {

inline constexpr std::string_view kSetupSection = "Setup";
inline constexpr std::string_view kTrayIconKey = "TrayIcon";
inline constexpr std::string_view kMinimizeKey = "Min";
inline constexpr std::string_view kOptionSection = "Option";
inline constexpr std::string_view kRunStartKey = "RunStart";

// The menu as its commands see it: three check marks and the tray icon.
class OptionsView {
  public:
    virtual ~OptionsView() = default;
    // "在托盘区显示图标"
    virtual bool TrayIconChecked() const = 0;
    virtual void SetTrayIconChecked(bool checked) = 0;
    // "最小化时到托盘区"
    virtual bool MinimizeToTrayChecked() const = 0;
    virtual void SetMinimizeToTrayChecked(bool checked) = 0;
    // "开机自动启动"
    virtual bool RunStartChecked() const = 0;
    virtual void SetRunStartChecked(bool checked) = 0;
    virtual void SetIconVisible(bool visible) = 0;
};

// Sets the check marks and the icon from the file; writes nothing.
void ReadOptions(const SettingsSnapshot& ini, OptionsView& view);

// "在托盘区显示图标"
void ToggleTrayIcon(OptionsView& view, SettingsFile& ini);

// "最小化时到托盘区"
void ToggleMinimizeToTray(OptionsView& view, SettingsFile& ini);

// The command the log-on start runs: the executable's path and " /C". A
// path with a space is quoted: unquoted, the system would first look for a
// program at the part before the space, and the program found at last would
// see a piece of its own path as its first argument instead of "/C".
std::string AutostartCommand(std::string_view executablePath);

// "开机自动启动". When the registry refuses the value, the check mark and
// [Option] RunStart go back to off before the error goes on to the caller,
// so neither claims a log-on start that will not happen.
void ToggleAutostart(OptionsView& view, SettingsFile& ini, AutostartRegistry& registry,
                     std::string_view executablePath);

}  // namespace settings
