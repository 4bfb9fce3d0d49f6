// The skin manager's decisions: SkinWindow's tests over the facts of a
// window, the choice of skin data, and which menu windows are skinned.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/manager_decisions.h"
#include "skin_data_fixture.h"

using skin::AnnouncedSkinData;
using skin::SkinWindowTest;
using skin::TSkinData;
using skin::TSkinFormType;
using skin::WindowFacts;
using skintest::SkinDataTest;

namespace {

// An application form of this module, being activated: it passes every test.
WindowFacts AForm() {
    WindowFacts w;
    w.Handle = skin::WindowHandle{0x1234};
    w.ClassName = "TForm1";
    w.ManagerEnabled = true;
    w.HasWidgetObject = true;
    w.ApplicationWidget = true;
    w.OfThisModule = true;
    return w;
}

void MarkLoaded(TSkinData& data) {
    data.ReadDefinition(skin::TSkinIni(),
                        [](const std::string&) { return std::vector<uint8_t>(); });
}

struct WindowRow {
    const char* what;
    std::function<void(WindowFacts&)> change;
    SkinWindowTest refusedBy;
};

}  // namespace

TEST_F(SkinDataTest, SkinWindowRefusesAWindowAtTheFirstTestItFails) {
    const auto main = Make();
    MarkLoaded(*main);
    const std::vector<AnnouncedSkinData> announced = {{main.get(), false}};
    using T = SkinWindowTest;
    const WindowRow rows[] = {
        {"a form", [](WindowFacts&) {}, T::Passed},
        {"manager disabled", [](WindowFacts& w) { w.ManagerEnabled = false; }, T::Enabled},
        {"answers 0x3523", [](WindowFacts& w) { w.AnswersSkinned = true; }, T::NotYetSkinned},
        {"plain child", [](WindowFacts& w) { w.ChildStyle = true; }, T::NotPlainChild},
        {"child while enumerating", [](WindowFacts& w) { w.ChildStyle = w.Enumerating = true; },
         T::Passed},
        {"child of an MDI client",
         [](WindowFacts& w) {
             w.ChildStyle = true;
             w.ParentClass = "MDIClient";
         },
         T::Passed},
        {"MDI child", [](WindowFacts& w) { w.ChildStyle = w.MdiChildStyle = true; }, T::Passed},
        {"another module's",
         [](WindowFacts& w) {
             w.ApplicationWidget = w.OfThisModule = w.HasWidgetObject = false;
             w.ClassName = "Foreign";
         },
         T::OursOrDialog},
        {"a system dialog",
         [](WindowFacts& w) {
             w.ApplicationWidget = w.OfThisModule = w.HasWidgetObject = false;
             w.ClassName = "#32770";
         },
         T::Passed},
        {"empty rectangle", [](WindowFacts& w) { w.EmptyRect = true; }, T::HasArea},
        {"empty MDI child", [](WindowFacts& w) { w.EmptyRect = w.MdiChildStyle = true; },
         T::Passed},
        {"Tag 99", [](WindowFacts& w) { w.WidgetTag = 99; }, T::NotTag99},
        {"TApplication", [](WindowFacts& w) { w.ClassName = "TApplication"; }, T::ClassAllowed},
        {"a cx pop-up", [](WindowFacts& w) { w.ClassName = "TcxPopupEditPopupWindowEx"; },
         T::ClassAllowed},
        {"the calendar", [](WindowFacts& w) { w.ClassName = "SysMonthCal32"; }, T::PreviewAndVeto},
        {"a preview", [](WindowFacts& w) { w.ClassName = "TPrintPREVIEWForm"; }, T::Passed},
        // The first failing test answers.
        {"disabled, Tag 99",
         [](WindowFacts& w) {
             w.ManagerEnabled = false;
             w.WidgetTag = 99;
         },
         T::Enabled},
        {"empty, Tag 99",
         [](WindowFacts& w) {
             w.EmptyRect = true;
             w.WidgetTag = 99;
         },
         T::HasArea},
    };
    for (const WindowRow& row : rows) {
        WindowFacts w = AForm();
        row.change(w);
        const skin::SkinWindowAnswer answer = skin::DecideSkinWindow(w, announced, main.get());
        EXPECT_EQ(answer.RefusedBy, row.refusedBy) << row.what;
        EXPECT_EQ(answer.SkinData, row.refusedBy == T::Passed ? main.get() : nullptr) << row.what;
    }
}

TEST_F(SkinDataTest, SkinWindowAsksTheMainSkinDataAboutPreviewsAndItsVeto) {
    const auto main = Make();
    MarkLoaded(*main);
    main->DisableTag = 5;  // Tag 99 is fixed; DisableTag is for controls
    const std::vector<AnnouncedSkinData> announced = {{main.get(), false}};
    WindowFacts preview = AForm();
    preview.ClassName = "TPrintPreview";
    main->Options.Exclude(skin::TSkinOption::xoPreview);
    EXPECT_EQ(skin::DecideSkinWindow(preview, announced, main.get()).RefusedBy,
              SkinWindowTest::PreviewAndVeto);
    // Without a main skin data, neither the preview rule nor the veto.
    EXPECT_EQ(skin::DecideSkinWindow(preview, announced, nullptr).RefusedBy,
              SkinWindowTest::Passed);

    std::vector<std::string> asked;
    main->OnFormSkin = [&](TSkinData& sender, const std::string& name, bool& doSkin) {
        asked.push_back(name);
        EXPECT_EQ(sender.DecidingWindow(), skin::WindowHandle{0x1234});
        doSkin = false;
    };
    WindowFacts tagged = AForm();
    tagged.WidgetTag = 5;
    EXPECT_EQ(skin::DecideSkinWindow(tagged, announced, main.get()).RefusedBy,
              SkinWindowTest::PreviewAndVeto);
    EXPECT_EQ(asked, std::vector<std::string>{"TForm1"});
}

TEST_F(SkinDataTest, SkinWindowWaitsForTheChosenSkinDataToBeLoaded) {
    const auto main = Make();
    const std::vector<AnnouncedSkinData> announced = {{main.get(), false}};
    EXPECT_EQ(skin::DecideSkinWindow(AForm(), announced, main.get()).RefusedBy,
              SkinWindowTest::SkinDataReady);
    EXPECT_EQ(skin::DecideSkinWindow(AForm(), {}, nullptr).RefusedBy,
              SkinWindowTest::SkinDataReady);
    MarkLoaded(*main);
    EXPECT_EQ(skin::DecideSkinWindow(AForm(), announced, main.get()).SkinData, main.get());
}

TEST_F(SkinDataTest, ChoosesTheSkinDataOfTheWindowThenOfDialogsThenOfTheMainWindow) {
    std::vector<std::unique_ptr<TSkinData>> made;
    const auto of = [&](TSkinFormType type) {
        made.push_back(Make());
        made.back()->SkinFormtype = type;
        return made.back().get();
    };
    TSkinData* main1 = of(TSkinFormType::sfMainform);
    TSkinData* dialog1 = of(TSkinFormType::sfDialog);
    TSkinData* own1 = of(TSkinFormType::sfOnlyThisForm);
    TSkinData* main2 = of(TSkinFormType::sfMainform);
    TSkinData* dialog2 = of(TSkinFormType::sfDialog);
    TSkinData* own2 = of(TSkinFormType::sfOnlyThisForm);
    TSkinData* dll = of(TSkinFormType::sfDLL);

    struct Row {
        std::vector<AnnouncedSkinData> announced;
        const char* className;
        TSkinData* chosen;
    };
    const Row rows[] = {
        {{{main1}, {dialog1}, {own1, true}, {main2}, {own2, true}}, "TForm1", own2},
        {{{main1}, {dialog1}, {own1, true}, {own2}}, "#32770", own1},
        {{{main1}, {dialog1}, {main2}, {dialog2}}, "#32770", dialog2},
        {{{main1}, {dialog1}, {main2}, {dialog2}}, "TMessageForm", dialog2},
        {{{main1}, {dialog1}, {main2}, {dialog2}}, "TForm1", main2},
        {{{main1}, {own1}}, "#32770", main1},
        {{{dll}, {own1}, {dialog1}}, "TForm1", dll},
        {{{dll}, {dialog1}}, "TMESSAGEFORM", dialog1},
        {{}, "TForm1", nullptr},
    };
    for (const Row& row : rows)
        EXPECT_EQ(skin::ChooseSkinData(row.className, row.announced), row.chosen) << row.className;
}

TEST(ManagerDecisions, SkinsMenuWindowsByTheMenuTheyShow) {
    using enum skin::TSkinControlType;
    using skin::MenuContext;
    EXPECT_TRUE(skin::MenuContextSkinned(MenuContext::Ordinary, {xcPopupMenu}));
    EXPECT_FALSE(skin::MenuContextSkinned(MenuContext::Ordinary, {xcMainMenu, xcSystemMenu}));
    EXPECT_TRUE(skin::MenuContextSkinned(MenuContext::MenuBar, {xcMenuItem}));
    EXPECT_FALSE(skin::MenuContextSkinned(MenuContext::MenuBar, {xcPopupMenu, xcSystemMenu}));
    EXPECT_TRUE(skin::MenuContextSkinned(MenuContext::SystemMenu, {xcSystemMenu}));
    EXPECT_FALSE(skin::MenuContextSkinned(MenuContext::SystemMenu, {xcMainMenu, xcPopupMenu}));
}
