// The skin data's published properties: their defaults, the stored forms of
// its sets, the default class map, its events and the per-window veto.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin_data_fixture.h"

using skin::TSkinControls;
using skin::TSkinControlType;
using skin::TSkinFormType;
using skin::TSkinOption;
using skin::TSkinOptions;
using skin::WindowHandle;
using skintest::SkinDataTest;

TEST_F(SkinDataTest, StartsWithThePublishedDefaults) {
    const auto data = Make();
    EXPECT_FALSE(data->Active());
    EXPECT_EQ(data->DisableTag, 99);
    EXPECT_EQ(data->ClassMap, skin::DefaultClassMap());
    EXPECT_EQ(data->SkinStore(), "(none)");
    EXPECT_EQ(data->Version(), "1.0.0.0");
    EXPECT_TRUE(data->MenuUpdate && !data->MenuMerge);
}

TEST(SkinDataSets, StoreTheirMembersBitByBitInThreeAndTwoBytes) {
    // Member order is part of the stored form data.
    EXPECT_EQ(static_cast<int>(TSkinControlType::xcSystemMenu), 20);
    EXPECT_EQ(static_cast<int>(TSkinControlType::xcFastReport), 21);
    EXPECT_EQ(static_cast<int>(TSkinOption::xoMenuBG), 8);
    EXPECT_EQ(static_cast<int>(TSkinFormType::sfDLL), 3);

    // Bits 2 (xcMenuItem) and 21 (xcFastReport) clear.
    EXPECT_EQ(skin::DefaultSkinControls().Stored(), (TSkinControls::StoredForm{0xFB, 0xFF, 0x1F}));
    EXPECT_EQ(skin::DefaultSkinOptions().Stored(), (TSkinOptions::StoredForm{0x48, 0x00}));
    EXPECT_EQ(TSkinControls::FromStored({0xFB, 0xFF, 0x1F}), skin::DefaultSkinControls());
    // Bits past the last member are no members.
    EXPECT_EQ(TSkinControls::FromStored({0xFF, 0xFF, 0xFF}), TSkinControls::All());
    EXPECT_EQ(TSkinControls::All().Stored(), (TSkinControls::StoredForm{0xFF, 0xFF, 0x3F}));
    EXPECT_EQ(TSkinOptions::FromStored({0x00, 0xFF}), TSkinOptions{TSkinOption::xoMenuBG});
}

TEST(SkinDataClassMap, HoldsThe116DefaultLinesInTheirOrder) {
    const std::vector<std::string> map = skin::DefaultClassMap();
    ASSERT_EQ(map.size(), 116u);
    EXPECT_EQ(map.front(), "TPngBitBtn=pngbitbtn");
    EXPECT_EQ(map[10], "TTBXDockablePanel=Panel");
    EXPECT_EQ(map[22], "TComboboxex=combobox");
    EXPECT_EQ(map.back(), "TcxGroupbox=groupbox");
    const auto count = [&](const char* line) { return std::count(map.begin(), map.end(), line); };
    EXPECT_EQ(count("TLMDFontSizeCombobox=combobox"), 2);
    EXPECT_EQ(count("TDBCheckboxEh=Checkbox"), 2);
    EXPECT_EQ(count("TWWDBCombobox=Combobox"), 2);
    // Two lines for one class in different letter cases, the first earlier.
    const auto at = [&](const char* line) { return std::find(map.begin(), map.end(), line); };
    EXPECT_LT(at("TLMDGROUPBOX=Panel"), at("TLMDGroupBox=Groupbox"));
}

TEST_F(SkinDataTest, AllowFormSkinVetoesTheCalendarAndTheReportDesigner) {
    const auto data = Make();
    struct Row {
        const char* className;
        bool fastReport;
        bool allowed;
    };
    const Row rows[] = {
        {"TForm1", false, true},          {"SysMonthCal32", false, false},
        {"sysmonthcal32", false, true},   {"TfrDesignerForm", false, true},
        {"TfrDesignerForm", true, false}, {"TFRDesignerForm", true, true},
        {"#32770", true, true},
    };
    for (const Row& row : rows) {
        data->SkinControls = skin::DefaultSkinControls();
        if (row.fastReport)
            data->SkinControls.Include(TSkinControlType::xcFastReport);
        EXPECT_EQ(data->AllowFormSkin(WindowHandle{7}, row.className), row.allowed)
            << row.className << " " << row.fastReport;
    }
    EXPECT_EQ(data->DecidingWindow(), WindowHandle{7});
}

TEST_F(SkinDataTest, OnFormSkinAnswersInsteadAndOnSkinChangedFiresOnDoSkinChanged) {
    const auto data = Make();
    data->DoSkinChanged();  // no handler: nothing
    std::vector<std::string> asked;
    WindowHandle seen = WindowHandle::None;
    data->OnFormSkin = [&](skin::TSkinData& sender, const std::string& aName, bool& doSkin) {
        EXPECT_EQ(&sender, data.get());
        EXPECT_TRUE(doSkin);
        seen = sender.DecidingWindow();
        asked.push_back(aName);
        doSkin = aName == "SysMonthCal32";
    };
    EXPECT_TRUE(data->AllowFormSkin(WindowHandle{3}, "SysMonthCal32"));
    EXPECT_FALSE(data->AllowFormSkin(WindowHandle{4}, "TForm1"));
    EXPECT_EQ(asked, (std::vector<std::string>{"SysMonthCal32", "TForm1"}));
    EXPECT_EQ(seen, WindowHandle{4});

    int changed = 0;
    data->OnSkinChanged = [&](skin::TSkinData& sender) {
        EXPECT_EQ(&sender, data.get());
        ++changed;
    };
    data->DoSkinChanged();
    EXPECT_EQ(changed, 1);
}
