// The main window's "设置" menu and tray icon as the option commands see
// them: the check marks are the options' only state.
#pragma once

#include "app/options_menu.h"
#include "tray/tray_icon.h"
#include "ui/menu.h"

class OptionsMenuView : public settings::OptionsView {
  public:
    OptionsMenuView(ui::TMenuItem& trayIcon, ui::TMenuItem& minimizeToTray, ui::TMenuItem& runStart,
                    TTrayIcon& icon)
        : trayIcon_(trayIcon), minimizeToTray_(minimizeToTray), runStart_(runStart), icon_(icon) {}

    bool TrayIconChecked() const override { return trayIcon_.Checked(); }
    void SetTrayIconChecked(bool checked) override { trayIcon_.SetChecked(checked); }
    bool MinimizeToTrayChecked() const override { return minimizeToTray_.Checked(); }
    void SetMinimizeToTrayChecked(bool checked) override { minimizeToTray_.SetChecked(checked); }
    bool RunStartChecked() const override { return runStart_.Checked(); }
    void SetRunStartChecked(bool checked) override { runStart_.SetChecked(checked); }
    void SetIconVisible(bool visible) override { icon_.SetIconVisible(visible); }

  private:
    ui::TMenuItem& trayIcon_;
    ui::TMenuItem& minimizeToTray_;
    ui::TMenuItem& runStart_;
    TTrayIcon& icon_;
};
