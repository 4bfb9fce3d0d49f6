#include "app/options_menu.h"

#include <string>

namespace settings {
namespace {

// Unchecking the icon option takes minimise-to-tray with it.
void ShowIconAsChecked(OptionsView& view) {
    if (view.TrayIconChecked()) {
        view.SetIconVisible(true);
    } else {
        view.SetMinimizeToTrayChecked(false);
        view.SetIconVisible(false);
    }
}

}  // namespace

std::string AutostartCommand(std::string_view executablePath) {
    const std::string path(executablePath);
    if (path.find(' ') == std::string::npos)
        return path + " /C";
    return "\"" + path + "\" /C";
}

void ReadOptions(const SettingsSnapshot& ini, OptionsView& view) {
    view.SetRunStartChecked(ini.ReadBool(kOptionSection, kRunStartKey, false));
    view.SetTrayIconChecked(ini.ReadBool(kSetupSection, kTrayIconKey, true));
    view.SetMinimizeToTrayChecked(ini.ReadBool(kSetupSection, kMinimizeKey, true));
    if (view.MinimizeToTrayChecked())
        view.SetTrayIconChecked(true);
    ShowIconAsChecked(view);
}

void ToggleTrayIcon(OptionsView& view, SettingsFile& ini) {
    view.SetTrayIconChecked(!view.TrayIconChecked());
    ShowIconAsChecked(view);
    ini.WriteBool(kSetupSection, kTrayIconKey, view.TrayIconChecked());
    ini.WriteBool(kSetupSection, kMinimizeKey, view.MinimizeToTrayChecked());
}

void ToggleMinimizeToTray(OptionsView& view, SettingsFile& ini) {
    view.SetMinimizeToTrayChecked(!view.MinimizeToTrayChecked());
    if (view.MinimizeToTrayChecked())
        view.SetTrayIconChecked(true);
    ini.WriteBool(kSetupSection, kMinimizeKey, view.MinimizeToTrayChecked());
    ShowIconAsChecked(view);
    ini.WriteBool(kSetupSection, kTrayIconKey, view.TrayIconChecked());
}

void ToggleAutostart(OptionsView& view, SettingsFile& ini, AutostartRegistry& registry,
                     std::string_view executablePath) {
    view.SetRunStartChecked(!view.RunStartChecked());
    if (!view.RunStartChecked()) {
        ini.WriteBool(kOptionSection, kRunStartKey, false);
        registry.Unregister();
        return;
    }
    ini.WriteBool(kOptionSection, kRunStartKey, true);
    try {
        registry.Register(AutostartCommand(executablePath));
    } catch (const AutostartError&) {
        view.SetRunStartChecked(false);
        ini.WriteBool(kOptionSection, kRunStartKey, false);
        throw;
    }
}

}  // namespace settings
