// The main window's "换肤" menu and skin data as the skin commands see them.
#pragma once

#include <array>
#include <functional>

#include "app/skin_menu.h"
#include "skin/skin_data.h"
#include "skin/skin_store.h"
#include "ui/menu.h"

class SkinMenuView : public settings::SkinMenuView {
  public:
    using Items = std::array<ui::TMenuItem*, settings::kSkinCount>;

    SkinMenuView(skin::TSkinData& data, const skin::TSkinStore& store, Items items,
                 std::function<settings::SettingsFile&()> reopen)
        : data_(data), store_(store), items_(items), reopen_(std::move(reopen)) {}

    void LoadSkin(int index) override { data_.LoadFromStore(store_, index); }
    void SetSkinChecked(int index, bool checked) override { items_.at(index)->SetChecked(checked); }
    settings::SettingsFile& ReopenSettings() override { return reopen_(); }

  private:
    skin::TSkinData& data_;
    const skin::TSkinStore& store_;
    Items items_;
    std::function<settings::SettingsFile&()> reopen_;
};
