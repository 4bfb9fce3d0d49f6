// What a skinned frame decides from its window's style, the skinned system
// menu, and the arithmetic of attaching and detaching the frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/frame_facts.h"
#include "skin/frame_resize.h"
#include "skin/system_menu_items.h"

using skin::FrameFacts;
using skin::FrameKind;
using skin::FrameMetrics;
using skin::MenuGlyph;
using skin::ShowState;
using skin::Size;
using skin::SystemCommand;
using skin::SystemVersion;
using skin::WindowStyleFacts;

TEST(FrameFacts, KindFromStyleTheLaterRulesWinning) {
    struct Row {
        bool thick;
        bool caption;
        bool modal;
        const char* className;
        FrameKind kind;
    };
    const Row rows[] = {
        {true, true, false, "TForm1", FrameKind::Sizeable},
        {false, true, false, "TForm1", FrameKind::Fixed},
        {true, false, false, "TForm1", FrameKind::NoCaption},
        {false, false, true, "TForm1", FrameKind::Dialog},
        {false, true, false, "#32770", FrameKind::Dialog},
        {true, false, false, "TMessageForm", FrameKind::Dialog},
        {false, true, false, "TMessageForm2", FrameKind::Fixed},
    };
    for (const Row& row : rows) {
        WindowStyleFacts style;
        style.ThickFrame = row.thick;
        style.Caption = row.caption;
        style.ModalFrame = row.modal;
        style.ClassName = row.className;
        const FrameFacts f = skin::ReadFrameFacts(style, {});
        EXPECT_EQ(f.Kind, row.kind) << row.className << row.thick << row.caption << row.modal;
        EXPECT_EQ(f.DialogClass, skin::IsDialogClass(row.className));
    }
}

TEST(FrameFacts, BoxesMdiRoleAndTheCaptionStyleMode) {
    WindowStyleFacts style;
    style.MaximizeBox = true;
    style.HasSystemMenu = true;
    style.LeftScrollBar = true;
    style.HasMdiClient = true;
    FrameFacts f = skin::ReadFrameFacts(style, {});
    EXPECT_TRUE(f.MaximiseBox);
    EXPECT_FALSE(f.MinimiseBox);
    EXPECT_TRUE(f.SystemMenu);  // a system menu without WS_SYSMENU counts
    EXPECT_TRUE(f.RightToLeft);
    EXPECT_EQ(f.Mdi, skin::MdiRole::Frame);
    style.MdiChild = true;
    EXPECT_EQ(skin::ReadFrameFacts(style, {}).Mdi, skin::MdiRole::Child);
    EXPECT_FALSE(skin::ReadFrameFacts(WindowStyleFacts{}, {}).SystemMenu);

    // Only on NT 5.0 and later major versions with minor version 0, for
    // windows of the task bar.
    struct Row {
        SystemVersion version;
        bool appWindow;
        bool owned;
        bool mdiChild;
        bool mode;
    };
    const Row rows[] = {
        {{true, 5, 0}, false, false, false, true},  {{true, 5, 1}, false, false, false, false},
        {{true, 4, 0}, false, false, false, false}, {{false, 5, 0}, false, false, false, false},
        {{true, 5, 0}, false, true, false, false},  {{true, 5, 0}, true, true, false, true},
        {{true, 10, 0}, false, false, true, false},
    };
    for (const Row& row : rows) {
        WindowStyleFacts s;
        s.AppWindow = row.appWindow;
        s.HasOwner = row.owned;
        s.MdiChild = row.mdiChild;
        EXPECT_EQ(skin::ReadFrameFacts(s, row.version).CaptionStyleMode, row.mode)
            << row.version.Major << "." << row.version.Minor << " " << row.appWindow << row.owned
            << row.mdiChild;
    }
}

TEST(FrameFacts, TheFrameIsSkinnedWithMainMenusUnlessAnMdiChildKeepsItsBorder) {
    using enum skin::TSkinControlType;
    const skin::TSkinControls withMenus = skin::DefaultSkinControls();
    const skin::TSkinControls withoutMenus = withMenus.Without(xcMainMenu);
    const skin::TSkinOptions childBorder{skin::TSkinOption::xoMDIChildBorder};
    EXPECT_TRUE(skin::FrameSkinned(withMenus, {}, false));
    EXPECT_TRUE(skin::FrameSkinned(withMenus, {}, true));
    EXPECT_TRUE(skin::FrameSkinned(withMenus, childBorder, false));
    EXPECT_FALSE(skin::FrameSkinned(withMenus, childBorder, true));
    EXPECT_FALSE(skin::FrameSkinned(withoutMenus, {}, false));
}

TEST(FrameFacts, TheSkinnedSystemMenuDecidesItsWindowCommandsItself) {
    const auto command = [](SystemCommand c) { return static_cast<uint32_t>(c); };
    // A system menu as the system keeps it; its greying is stale.
    const std::vector<skin::SystemMenuItem> items = {
        {"Restore", command(SystemCommand::Restore), true, false},
        {"Move", command(SystemCommand::Move), false, false},
        {"Size", command(SystemCommand::Size), false, false},
        {"Minimize", command(SystemCommand::Minimize), false, false},
        {"Maximize", command(SystemCommand::Maximize), false, false},
        {"", 0, false, false},
        {"Close\tAlt+F4", command(SystemCommand::Close), false, false},
        {"Always on top", 0x10, false, true},
        {"About", 0x20, true, false},
    };
    struct Row {
        ShowState show;
        bool boxes;
        const char* enabled;  // by item: x enabled, . disabled
    };
    const Row rows[] = {
        {ShowState::Normal, true, ".xxxxxxx."},
        {ShowState::Maximised, true, "x..x.xxx."},
        {ShowState::Minimised, true, "xxx.xxxx."},
        {ShowState::Normal, false, ".xx..xxx."},
    };
    for (const Row& row : rows) {
        FrameFacts frame;
        frame.MaximiseBox = frame.MinimiseBox = row.boxes;
        const std::vector<skin::SkinnedMenuItem> menu =
            skin::SkinnedSystemMenu(items, row.show, frame);
        ASSERT_EQ(menu.size(), items.size());
        std::string enabled;
        for (const skin::SkinnedMenuItem& m : menu)
            enabled += m.Enabled ? 'x' : '.';
        EXPECT_EQ(enabled, row.enabled) << static_cast<int>(row.show) << row.boxes;
    }
    const std::vector<skin::SkinnedMenuItem> menu =
        skin::SkinnedSystemMenu(items, ShowState::Normal, FrameFacts{});
    EXPECT_EQ(menu[0].Glyph, MenuGlyph::Restore);
    EXPECT_EQ(menu[1].Glyph, MenuGlyph::None);
    EXPECT_EQ(menu[3].Glyph, MenuGlyph::Minimise);
    EXPECT_EQ(menu[4].Glyph, MenuGlyph::Maximise);
    EXPECT_EQ(menu[6].Glyph, MenuGlyph::Close);
    EXPECT_EQ(menu[5].Caption, "-");
    EXPECT_EQ(menu[6].Caption, "Close\tAlt+F4");
    EXPECT_EQ(menu[6].Tag, 0xF060u);
    EXPECT_EQ(menu[7].Tag, 0x10u);
    EXPECT_TRUE(menu[7].Checked);
    EXPECT_FALSE(menu[6].Checked);
}

TEST(FrameResize, AttachingAndDetachingKeepTheClientSize) {
    struct Row {
        Size client;
        FrameMetrics skinned;
        Size systemFrame;  // window size less client size under the system's frame
        Size window;       // with the skinned frame
    };
    const Row rows[] = {
        {{400, 300}, {4, 30, 4, 4, 0}, {16, 38}, {408, 334}},
        {{400, 300}, {3, 24, 5, 2, 0}, {8, 31}, {408, 326}},
        // A skinned menu band; the system's menu comes back on detach, in
        // place of the band.
        {{400, 300}, {4, 30, 4, 4, 19}, {16, 38}, {408, 353}},
        {{0, 0}, {0, 0, 0, 0, 0}, {16, 38}, {0, 0}},
    };
    for (const Row& row : rows) {
        const Size window = skin::SkinnedWindowSize(row.client, row.skinned);
        EXPECT_EQ(window, row.window);
        const Size back = skin::UnskinnedWindowSize(window, row.systemFrame, row.skinned);
        EXPECT_EQ(back.width, row.client.width + row.systemFrame.width);
        EXPECT_EQ(back.height,
                  row.client.height + row.systemFrame.height + row.skinned.MenuBarHeight);
    }
}

TEST(FrameResize, WidensADialogUntilItsCaptionFits) {
    skin::TSkinTitleObject title;
    title.LeftWidth = 26;   // TextShift
    title.RightWidth = 60;  // TextRightClip
    struct Row {
        int width;
        int text;
        skin::CaptionFit fit;
    };
    const Row rows[] = {
        {300, 100, {300, 0}}, {300, 214, {300, 0}},  {300, 215, {301, 0}},
        {300, 216, {302, 1}}, {200, 255, {341, 70}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(skin::FitCaptionText(row.width, row.text, title), row.fit) << row.text;
}
