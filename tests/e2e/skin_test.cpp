// The skins on the real program's windows, driven with real mouse and
// keyboard input: the menu "换肤", the saved choice, the About window and a
// message box, the skinned caption buttons, and a storm of switches.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "probe_client.h"
#include "real_input.h"
#include "skinned_frame.h"

namespace {

const wchar_t* const kMainCaption = L"Lexora电子版 2007";
const wchar_t* const kAboutCaption = L"关于“Lexora电子版”";
constexpr int kSkinMenu = 2;  // "换肤" on the menu bar
constexpr int kHelpMenu = 3;

FrameShape AboutShape() {
    FrameShape shape;
    shape.kind = skin::FrameKind::Dialog;
    shape.caption = "关于“Lexora电子版”";
    return shape;
}

FrameShape MessageBoxShape(const std::string& caption) {
    FrameShape shape;
    shape.kind = skin::FrameKind::Dialog;
    shape.dialogClass = true;
    shape.caption = caption;
    return shape;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class SkinnedProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 5; ++i)
            skins[i] = LoadProgramSkin(i);
        // Away from where the window will be: a caption element under the
        // pointer would look hot.
        MoveTo({1, 1});
        Start();
    }
    void Start() {
        app.Start();
        main = app.WaitForWindow(L"TForm1", kMainCaption);
        ASSERT_NE(main, nullptr);
        probe = std::make_unique<Probe>(main);
    }

    // The main window wears skin `index`, as the screen shows it.
    bool MainWears(int index, DWORD timeoutMs = 5000) {
        return WaitUntil(
            [&] { return FrameDifferences(main, skins[index], MainWindowShape(), true).empty(); },
            timeoutMs);
    }
    // Where the menu bar's buttons and the caption buttons are on screen.
    FrameLayout MainLayout(int skinIndex) {
        RECT r;
        GetWindowRect(main, &r);
        FrameLayout layout;
        ComposeFrame(skins[skinIndex], MainWindowShape(), {r.right - r.left, r.bottom - r.top},
                     true, &layout);
        return layout;
    }
    POINT OnScreen(skin::Rect place) {
        RECT r;
        GetWindowRect(main, &r);
        return {r.left + (place.left + place.right) / 2, r.top + (place.top + place.bottom) / 2};
    }
    // Opens "换肤" with the mouse and picks an item with the keyboard.
    void ChooseSkinByHand(int current, int index) {
        ASSERT_TRUE(ClickAt(OnScreen(MainLayout(current).menuBarButtons.at(kSkinMenu))));
        ASSERT_TRUE(WaitUntil([] { return FindWindowW(L"#32768", nullptr) != nullptr; }));
        // The menu opens with its first item selected.
        std::wstring keys;
        for (int i = 0; i < index; ++i)
            keys += L"Down ";
        ASSERT_TRUE(PressKeys(keys + L"Return"));
    }
    HMENU SkinMenu() {
        const HMENU bar = MenuBar(main);
        return probe->MenuItems(bar).at(kSkinMenu).subMenu;
    }
    std::vector<bool> SkinChecks() {
        std::vector<bool> checks;
        for (const MenuEntry& e : probe->MenuItems(SkinMenu()))
            checks.push_back(e.checked);
        return checks;
    }
    void PostMenuCommand(int menu, int item) {
        const auto items = probe->MenuItems(probe->MenuItems(MenuBar(main)).at(menu).subMenu);
        PostMessageW(main, WM_COMMAND, items.at(item).command, 0);
    }
    std::string Ini() const { return ReadFile(app.Directory() / L"配置文件.ini"); }
    bool IniHasSkin(int index) const {
        return Ini().find("Skin=" + std::to_string(index) + "\r\n") != std::string::npos;
    }

    std::array<skin::SkinSnapshot, 5> skins;
    LexoraApp app{Database::Fixture};
    HWND main = nullptr;
    std::unique_ptr<Probe> probe;
};

TEST_F(SkinnedProgram, TheFirstStartWearsTheFirstSkinAndSavesIt) {
    EXPECT_TRUE(MainWears(0)) << "默认";
    EXPECT_EQ(GetMenu(main), nullptr) << "the menu shows as a band of the frame";
    EXPECT_EQ(SkinChecks(), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_TRUE(IniHasSkin(0));
}

TEST_F(SkinnedProgram, EachItemOfTheSkinMenuSwitchesTheFrameChecksItselfAndIsSaved) {
    ASSERT_TRUE(MainWears(0));
    int current = 0;
    for (const int index : {2, 4, 1, 3, 0}) {
        SCOPED_TRACE(index);
        ChooseSkinByHand(current, index);
        EXPECT_TRUE(MainWears(index));
        std::vector<bool> expected(5, false);
        expected[index] = true;
        EXPECT_EQ(SkinChecks(), expected);
        EXPECT_TRUE(IniHasSkin(index));
        current = index;
    }
}

TEST_F(SkinnedProgram, ARestartComesUpInTheSavedSkin) {
    PostMenuCommand(kSkinMenu, 3);
    ASSERT_TRUE(MainWears(3));
    probe.reset();
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(app.WaitForExit(), 0u);
    Start();
    EXPECT_TRUE(MainWears(3));
    EXPECT_EQ(SkinChecks(), (std::vector<bool>{false, false, false, true, false}));
}

TEST_F(SkinnedProgram, TheAboutWindowAndASwitchUnderItWearTheCurrentSkin) {
    PostMenuCommand(kSkinMenu, 1);
    ASSERT_TRUE(MainWears(1));
    PostMenuCommand(kHelpMenu, 0);
    HWND about = app.WaitForWindow(L"TForm2", kAboutCaption);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(
        WaitUntil([&] { return FrameDifferences(about, skins[1], AboutShape(), true).empty(); }));
    RECT client;
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 424);
    EXPECT_EQ(client.bottom, 226);

    // The About window is modal; the command reaches the main window all the
    // same, and both windows change.
    PostMenuCommand(kSkinMenu, 4);
    EXPECT_TRUE(
        WaitUntil([&] { return FrameDifferences(about, skins[4], AboutShape(), true).empty(); }));
    EXPECT_TRUE(WaitUntil(
        [&] { return FrameDifferences(main, skins[4], MainWindowShape(), false).empty(); }));
    PostMessageW(ChildWindow(about, L"TButton", L"确定"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
}

TEST_F(SkinnedProgram, AMessageBoxOfTheProgramWearsTheCurrentSkin) {
    PostMenuCommand(kSkinMenu, 2);
    ASSERT_TRUE(MainWears(2));
    DictionaryWindow ui(app, main);
    ui.PressLater(ui.initialsButton);  // no initials: "请输入首字母"
    HWND box = WaitForMessageBox(app.ProcessId(), L"确认");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(WaitUntil(
        [&] { return FrameDifferences(box, skins[2], MessageBoxShape("确认"), true).empty(); }));
    DismissMessageBox(box);
}

TEST_F(SkinnedProgram, TheSkinnedMinimiseButtonHidesTheWindowIntoTheTray) {
    ASSERT_TRUE(MainWears(0));
    const auto options = probe->MenuItems(probe->MenuItems(MenuBar(main)).at(1).subMenu);
    if (!options.at(1).checked)
        PostMessageW(main, WM_COMMAND, options.at(1).command, 0);  // "最小化时到托盘区"
    ASSERT_TRUE(WaitUntil([&] {
        return probe->MenuItems(probe->MenuItems(MenuBar(main)).at(1).subMenu).at(1).checked;
    }));
    ASSERT_TRUE(ClickAt(OnScreen(MainLayout(0).CaptionButton(2))));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
    EXPECT_FALSE(IsIconic(main)) << "hidden, not minimised";
    EXPECT_EQ(app.WaitForExit(200), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(SkinnedProgram, TheSkinnedCloseButtonEndsTheProgramWithTheHistoriesSaved) {
    ASSERT_TRUE(MainWears(0));
    DictionaryWindow ui(app, main);
    ui.SetBoxText(ui.keywordBox, L"一");
    ui.Press(ui.keywordButton);
    probe.reset();
    ASSERT_TRUE(ClickAt(OnScreen(MainLayout(0).CaptionButton(0))));
    EXPECT_EQ(app.WaitForExit(), 0u);
    std::string expected = "[KeyWord_List]";
    EXPECT_NE(Ini().find(expected), std::string::npos);
    EXPECT_NE(Ini().find("\xD2\xBB"), std::string::npos) << "一 in GBK";
}

TEST_F(SkinnedProgram, AStormOfSwitchesWhileTheWindowsRepaintEndsInTheLastSkin) {
    ASSERT_TRUE(MainWears(0));
    const auto items = probe->MenuItems(SkinMenu());
    for (int i = 0; i < 200; ++i) {
        // Each command is carried out before the next is sent; the repaints
        // wait among the program's messages.
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutW(main, WM_COMMAND, items.at(i % 5).command, 0, SMTO_NORMAL,
                                        10000, &answer))
            << i;
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        if (i % 20 == 0)
            Sleep(300);  // now and then the refresh of a switch runs
    }
    EXPECT_EQ(app.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(MainWears(199 % 5));
    EXPECT_TRUE(IniHasSkin(199 % 5));
}

}  // namespace
