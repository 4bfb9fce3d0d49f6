// A skin switch as the windows see it: what an attached window holds stays
// whole, and the skin manager is told what the Parts of start-up, switching
// and switching on and off ask of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "skin/caption_buttons.h"
#include "skin/little_endian.h"
#include "skin_data_fixture.h"
#include "text/utf8_path.h"

using skin::ManagerRunState;
using skin::SkinSnapshot;
using skin::TCaptionButton;
using skin::TSkinControls;
using skin::TSkinControlType;
using skin::TSkinData;
using skin::TSkinFormType;
using skintest::kBare;
using skintest::kFull;
using skintest::kOlder;
using skintest::SkinDataTest;
using skintest::States;
using Calls = std::vector<std::string>;

namespace {

std::string MissingFile() {
    return text::PathUtf8(std::filesystem::temp_directory_path() / "lexora_no_such.skin");
}

// The stored form of an archive: its length, then its bytes.
skin::MemoryStream StoredForm(const std::vector<uint8_t>& archive) {
    skin::MemoryStream stored;
    stored.Write(skin::Int32Le(static_cast<int32_t>(archive.size())));
    stored.Write(archive);
    stored.Rewind();
    return stored;
}

}  // namespace

TEST_F(SkinDataTest, ASwitchLeavesWhatAnAttachedWindowHoldsWhole) {
    auto data = Make();
    data->LoadFromStore(store, kFull);
    // An attached window holds the skin it painted with and its buttons.
    SkinSnapshot painted = data->Skin();
    std::vector<TCaptionButton> buttons = skin::MakeCaptionButtons(painted);
    const skin::TSkinSysButtonObject* close = &buttons[0].Button();

    // Another skin, the same one again, a refused archive, a missing file.
    data->LoadFromStore(store, kBare);
    data->LoadFromStore(store, kFull);
    data->LoadFromStore(store, kOlder);
    data->SetSkinFile(MissingFile());
    EXPECT_NE(data->Skin(), painted);
    EXPECT_EQ(&buttons[0].Button(), close);
    EXPECT_EQ(close->Image, States(4, 3, 18, 18));
    EXPECT_EQ(close->Action, 0);
    EXPECT_EQ(painted->SkinName, "Full");
    ASSERT_TRUE(painted->Scrollbar && painted->ComboButton);
    EXPECT_EQ(painted->Top.Image, States(1, 2, 30, 24));
    ASSERT_EQ(painted->CaptionButtons.size(), 4u);

    // The buttons keep their skin alive even without the skin data; it goes
    // with the last of them.
    const std::weak_ptr<const skin::SkinDefinition> watch = painted;
    painted.reset();
    data.reset();
    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(buttons[0].Button().Image, States(4, 3, 18, 18));
    buttons.clear();
    EXPECT_TRUE(watch.expired());
}

TEST_F(SkinDataTest, ARefusedArchiveOrAMissingFileKeepsTheSkinPublished) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    const SkinSnapshot current = data->Skin();
    data->LoadFromStore(store, kOlder);
    EXPECT_EQ(data->Skin(), current);
    EXPECT_TRUE(data->NotLoaded());
    data->LoadFromStore(store, kFull);
    const SkinSnapshot reloaded = data->Skin();
    EXPECT_NE(reloaded, current);
    data->SetSkinFile(MissingFile());
    EXPECT_EQ(data->Skin(), reloaded);
    EXPECT_TRUE(data->NotLoaded());
}

TEST_F(SkinDataTest, StartUpOnlyReloadsTheSavedSkinBeforeAnyWindowIsActivated) {
    const auto data = Make();
    // The main window's form data: Active, then the stored archive.
    data->BeginReadingFormData();
    data->SetActive(true);
    skin::MemoryStream stored = StoredForm(skintest::Archive(skintest::BareSkin()));
    data->ReadSkinStream(stored);
    data->ApplySkin();  // nothing while form data is read
    EXPECT_EQ(managers.Made(), nullptr);
    data->Loaded();
    ASSERT_NE(managers.Made(), nullptr);
    EXPECT_EQ(managers.Made()->calls, (Calls{"add", "hook", "post 1 250"}));
    EXPECT_EQ(parts.fonts, 1);
    EXPECT_EQ(parts.icons, 1);
    EXPECT_EQ(data->ApplicationIcon().Width(), 16);
    ASSERT_NE(data->CaptionFont(), nullptr);

    // Start-up's saved skin: the manager has seen no activation yet.
    managers.Made()->calls.clear();
    data->LoadFromStore(store, kFull);
    EXPECT_EQ(managers.Made()->calls, (Calls{"pending", "drop"}));
    EXPECT_EQ(managers.Made()->pending, data.get());
    EXPECT_TRUE(data->Active());
}

TEST_F(SkinDataTest, ASwitchOnceWindowsAreSkinnedRefreshesThemAQuarterSecondLater) {
    const auto data = Make();
    data->Loaded();
    skintest::RecordingManager& manager = *managers.Made();
    manager.runState = ManagerRunState::Started;
    manager.calls.clear();
    data->LoadFromStore(store, kBare);
    data->LoadFromStore(store, kOlder);  // refused, and applied all the same
    data->LoadFromStore(store, 7);       // no such item
    data->SetSkinFile(MissingFile());    // nothing to apply
    EXPECT_EQ(manager.calls,
              (Calls{"pending", "drop", "post 3 250", "pending", "drop", "post 3 250"}));
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SkinDataTest, ApplyingBeforeTheManagerExistsJoinsItFirst) {
    const auto data = Make();
    data->LoadFromStore(store, kFull);
    EXPECT_EQ(managers.Made()->calls, (Calls{"add", "hook", "pending", "drop"}));
}

TEST_F(SkinDataTest, ActiveIsSwitchedThroughTheManagerOnlyWithASkinLoaded) {
    const auto data = Make();
    data->Loaded();
    skintest::RecordingManager& manager = *managers.Made();
    manager.calls.clear();
    // Not loaded: the value is kept, nothing starts.
    data->SetActive(true);
    EXPECT_TRUE(data->Active());
    EXPECT_TRUE(manager.calls.empty());
    data->SetActive(true);
    data->SetActive(false);
    EXPECT_EQ(manager.calls, (Calls{"pending", "post 2 250"}));

    data->LoadFromStore(store, kFull);
    manager.calls.clear();
    data->SetActive(true);
    EXPECT_EQ(manager.calls, (Calls{"pending", "post 1 250", "run 1"}));
    manager.calls.clear();
    data->SetActive(true);  // no change, nothing to do
    EXPECT_TRUE(manager.calls.empty());
}

TEST_F(SkinDataTest, ActiveOfTheOtherFormTypes) {
    struct Row {
        TSkinFormType type;
        bool loaded;
        bool value;
        Calls calls;
    };
    const Row rows[] = {
        {TSkinFormType::sfOnlyThisForm, false, true, {"pending"}},
        {TSkinFormType::sfOnlyThisForm, true, true, {"pending", "post 1 250"}},
        {TSkinFormType::sfOnlyThisForm, false, false, {"pending", "post 2 250"}},
        {TSkinFormType::sfDialog, true, true, {}},
        {TSkinFormType::sfDLL, true, true, {}},
    };
    for (const Row& row : rows) {
        const auto data = Make();
        data->SkinFormtype = row.type;
        data->Loaded();
        if (row.loaded)
            data->ReadDefinition(skin::TSkinIni(),
                                 [](const std::string&) { return std::vector<uint8_t>(); });
        if (!row.value)
            data->SetActive(true);
        managers.Made()->calls.clear();
        data->SetActive(row.value);
        EXPECT_EQ(managers.Made()->calls, row.calls)
            << static_cast<int>(row.type) << " " << row.loaded << " " << row.value;
    }
}

TEST_F(SkinDataTest, AStoredArchiveOfLength0TurnsActiveOffAtLoaded) {
    const auto data = Make();
    data->BeginReadingFormData();
    data->SetActive(true);
    skin::MemoryStream zero(std::vector<uint8_t>(4, 0));
    data->ReadSkinStream(zero);
    data->Loaded();
    EXPECT_FALSE(data->Active());
    EXPECT_EQ(managers.Made()->calls, (Calls{"add", "hook"}));
}

TEST_F(SkinDataTest, LoadedSettlesSkinControlsForTheMainWindow) {
    using enum TSkinControlType;
    struct Row {
        TSkinControls before;
        bool scrollBarInfo;
        TSkinControls after;
    };
    const TSkinControls all = TSkinControls::All();
    const Row rows[] = {
        {skin::DefaultSkinControls(), true, skin::DefaultSkinControls()},
        // Owner-drawn main menu items would be drawn twice.
        {all, true, all.Without(xcMenuItem)},
        // Without skinned main menus the frames draw no system menu.
        {all.Without(xcMainMenu), true, all.Without(xcMainMenu).Without(xcSystemMenu)},
        {all, false, all.Without(xcMenuItem).Without(xcScrollbar)},
    };
    for (const Row& row : rows) {
        skintest::ManagerSlotForTests slot;
        slot.scrollBarInfo = row.scrollBarInfo;
        TSkinData data({look, resources, {}, slot.slot, parts});
        data.SkinControls = row.before;
        data.Loaded();
        EXPECT_EQ(data.SkinControls, row.after);
    }
}

TEST_F(SkinDataTest, AFormTypeOtherThanTheMainWindowSkinsItsFormAtLoaded) {
    const auto data = Make();
    data->SkinFormtype = TSkinFormType::sfDialog;
    data->SkinControls = TSkinControls::All().Without(TSkinControlType::xcMainMenu);
    data->SetActive(true);
    data->Loaded();
    EXPECT_EQ(managers.Made()->calls, (Calls{"add", "enable 1", "run 1", "skin owner"}));
    EXPECT_EQ(parts.fonts, 1);
    EXPECT_EQ(parts.icons, 0);
    // Neither Active nor SkinControls is settled for these.
    EXPECT_TRUE(data->Active());
    EXPECT_TRUE(data->SkinControls.Contains(TSkinControlType::xcSystemMenu));
}

TEST_F(SkinDataTest, LeavesTheManagerWhenDestroyedOnlyWhenItJoinedIt) {
    Make();
    EXPECT_EQ(managers.Made(), nullptr);
    {
        const auto joined = Make();
        joined->Loaded();
        joined->Loaded();  // joins once
    }
    { const auto never = Make(); }
    EXPECT_EQ(managers.Made()->calls, (Calls{"add", "hook", "hook", "remove"}));
}
