// The main window and the About window, driven from outside.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "lexora_app.h"
#include "probe_client.h"
#include "remote_memory.h"
#include "resource_module.h"
#include "resources/resource_ids.h"
#include "skinned_frame.h"
#include "ui/jpeg_decoder.h"

namespace {

const wchar_t* const kMainCaption = L"Lexora电子版 2007";

std::vector<std::wstring> Captions(const std::vector<MenuEntry>& entries) {
    std::vector<std::wstring> out;
    for (const auto& e : entries)
        out.push_back(e.caption);
    return out;
}

using Texts = std::vector<std::wstring>;

// The program's JPEG resource `id`, decoded.
pixels::Bitmap ProgramPicture(int id) {
    const ResourceModule exe(LEXORA_EXE);
    const std::vector<uint8_t> bytes = exe.Resource(MAKEINTRESOURCEW(id), RT_RCDATA);
    auto picture = ui::DecodeJpeg(bytes.data(), bytes.size());
    return picture ? std::move(*picture) : pixels::Bitmap();
}

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        app.Start();
        window = app.WaitForWindow(L"TForm1", kMainCaption);
        ASSERT_NE(window, nullptr);
        probe = std::make_unique<Probe>(window);
    }
    // Runs a menu command of the main window as a click on the item would.
    void ChooseMenuItem(int menuIndex, int itemIndex) {
        const auto bar = probe->MenuItems(MenuBar(window));
        const auto items = probe->MenuItems(bar.at(menuIndex).subMenu);
        PostMessageW(window, WM_COMMAND, items.at(itemIndex).command, 0);
    }
    std::vector<MenuEntry> SubMenu(int index) {
        return probe->MenuItems(probe->MenuItems(MenuBar(window)).at(index).subMenu);
    }
    LexoraApp app{Database::Fixture};
    HWND window = nullptr;
    std::unique_ptr<Probe> probe;
};

}  // namespace

TEST_F(MainWindow, HasItsCaptionSizeAndLayout) {
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 762);
    EXPECT_EQ(client.bottom, 502);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed single border";
    // Centred on the screen's work area.
    RECT frame, area;
    GetWindowRect(window, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR((frame.left + frame.right) / 2, (area.left + area.right) / 2, 1);

    struct Expected {
        const wchar_t* caption;
        RECT group;
        const wchar_t* innerClass;
        RECT inner;
    };
    const Expected groups[] = {
        {L"浏览全部", {8, 48, 169, 481}, L"TTreeView", {8, 16, 153, 425}},
        {L"关键字查询{浏览全部直接点查询}", {176, 48, 369, 97}, L"TButton", {112, 16, 187, 41}},
        {L"首字母查询", {176, 104, 369, 153}, L"TButton", {112, 16, 187, 41}},
        {L"查询结果", {176, 160, 369, 481}, L"TListBox", {8, 16, 185, 313}},
        {L"详细解释", {376, 48, 753, 361}, L"TRichEdit", {8, 16, 369, 305}},
        {L"个人见解", {376, 368, 753, 481}, L"TMemo", {8, 16, 369, 105}},
    };
    for (const auto& g : groups) {
        HWND box = ChildWindow(window, L"TGroupBox", g.caption);
        ASSERT_NE(box, nullptr) << g.caption;
        const RECT r = RectInParent(box);
        EXPECT_EQ(r.left, g.group.left) << g.caption;
        EXPECT_EQ(r.top, g.group.top) << g.caption;
        EXPECT_EQ(r.right, g.group.right) << g.caption;
        EXPECT_EQ(r.bottom, g.group.bottom) << g.caption;
        const auto inner = ChildWindows(box, g.innerClass);
        ASSERT_EQ(inner.size(), 1u) << g.caption;
        const RECT i = RectInParent(inner[0]);
        EXPECT_EQ(i.left, g.inner.left) << g.caption;
        EXPECT_EQ(i.top, g.inner.top) << g.caption;
        EXPECT_EQ(i.right, g.inner.right) << g.caption;
        EXPECT_EQ(i.bottom, g.inner.bottom) << g.caption;
    }
    HWND keywordBox = ChildWindows(
        ChildWindow(window, L"TGroupBox", L"关键字查询{浏览全部直接点查询}"), L"TComboBox")[0];
    EXPECT_EQ(RectInParent(keywordBox).left, 8);
    EXPECT_EQ(RectInParent(keywordBox).right - RectInParent(keywordBox).left, 97);
    EXPECT_EQ(WindowText(ChildWindow(window, L"TButton", L"浏览全部")), L"浏览全部");
    EXPECT_NE(ChildWindow(window, L"TButton", L"查询"), nullptr);

    HWND toolBar = ChildWindows(window, L"TToolBar")[0];
    EXPECT_EQ(RectInParent(toolBar).right, 762);
    EXPECT_EQ(RectInParent(toolBar).bottom, 49);
    HWND status = ChildWindows(window, L"TStatusBar")[0];
    EXPECT_EQ(RectInParent(status).top, 483);
    EXPECT_EQ(RectInParent(status).bottom, 502);
    RemoteMemory parts(app.ProcessId(), 64);
    ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 2, parts.Address()), 2);
    int edges[2] = {};
    parts.Read(edges, sizeof edges);
    EXPECT_EQ(edges[0], 420);
    // The scratch list stands outside the client area and never shows.
    int hiddenLists = 0;
    for (HWND list : ChildWindows(window, L"TListBox")) {
        if (!IsWindowVisible(list)) {
            ++hiddenLists;
            EXPECT_EQ(RectInParent(list).left, 800);
            EXPECT_EQ(RectInParent(list).top, 72);
        }
    }
    EXPECT_EQ(hiddenLists, 1);
}

TEST_F(MainWindow, MenuBarHoldsTheCommandsInOrder) {
    HMENU bar = MenuBar(window);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Captions(probe->MenuItems(bar)), (Texts{L"功能", L"设置", L"换肤", L"帮助"}));
    EXPECT_EQ(Captions(SubMenu(0)),
              (Texts{L"保存个人见解", L"-", L"清空关键词搜索记录", L"清空首字母搜索记录", L"-",
                     L"导出为文件", L"打印", L"-", L"退出"}));
    EXPECT_EQ(Captions(probe->MenuItems(SubMenu(0).at(5).subMenu)),
              (Texts{L"导出为“写字板”文档", L"导出为“记事本”文档"}));
    const auto options = SubMenu(1);
    EXPECT_EQ(Captions(options),
              (Texts{L"在托盘区显示图标", L"最小化时到托盘区", L"-", L"开机自动启动"}));
    const auto skins = SubMenu(2);
    EXPECT_EQ(Captions(skins), (Texts{L"默认", L"Windows XP", L"苹果", L"圣诞", L"Windows Vista"}));
    EXPECT_EQ(Captions(SubMenu(3)), (Texts{L"关于“Lexora”"}));
}

TEST_F(MainWindow, ToolBarHoldsTheButtonsInOrder) {
    HWND toolBar = ChildWindows(window, L"TToolBar")[0];
    const int count = static_cast<int>(SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0));
    RemoteMemory memory(app.ProcessId(), 4096);
    Texts captions;
    std::vector<int> images;
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(SendMessageW(toolBar, TB_GETBUTTON, i, memory.Address()));
        TBBUTTON b{};
        memory.Read(&b, sizeof b);
        if (b.fsStyle & BTNS_SEP) {
            captions.push_back(L"|");
            continue;
        }
        SendMessageW(toolBar, TB_GETBUTTONTEXTW, b.idCommand, memory.Address() + 512);
        captions.push_back(memory.ReadString(512, 64));
        images.push_back(b.iBitmap);
    }
    EXPECT_EQ(captions,
              (Texts{L"打印", L"|", L"复制选定", L"复制全部", L"|", L"导出为写字板", L"导出为文本",
                     L"|", L"清空搜索历史", L"|", L"保存个人见解", L"|", L"退出软件"}));
    EXPECT_EQ(images, (std::vector<int>{47, 43, 47, 44, 45, 46, 67, 47}));
    RECT r;
    SendMessageW(toolBar, TB_GETITEMRECT, 0, memory.Address());
    memory.Read(&r, sizeof r);
    EXPECT_EQ(r.right - r.left, 79);
    EXPECT_EQ(r.bottom - r.top, 39);
}

TEST_F(MainWindow, EntryViewOpensItsCopyMenu) {
    HWND view = ChildWindows(window, L"TRichEdit")[0];
    RECT r;
    GetWindowRect(view, &r);
    PostMessageW(view, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view),
                 MAKELPARAM(r.left + 20, r.top + 20));
    HWND menuWindow = nullptr;
    for (int i = 0; i < 500 && !menuWindow; ++i) {
        menuWindow = FindWindowW(L"#32768", nullptr);
        if (!menuWindow)
            Sleep(10);
    }
    ASSERT_NE(menuWindow, nullptr);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    EXPECT_EQ(Captions(probe->MenuItems(menu)),
              (Texts{L"复制选定内容到剪贴板", L"复制全部内容到剪贴板"}));
    PostMessageW(window, WM_CANCELMODE, 0, 0);
    PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(MainWindow, TheTrayIconOpensItsMenuWithTheDefaultItemFirst) {
    HWND handler = nullptr;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"TTrayIconHandler", nullptr); w && !handler;
         w = FindWindowExW(nullptr, w, L"TTrayIconHandler", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == app.ProcessId())
            handler = w;
    }
    ASSERT_NE(handler, nullptr);
    // The shell's notification of a right button-down on the icon (id 1).
    PostMessageW(handler, 0x800, 1, WM_RBUTTONDOWN);
    HWND menuWindow = nullptr;
    for (int i = 0; i < 500 && !menuWindow; ++i) {
        menuWindow = FindWindowW(L"#32768", nullptr);
        if (!menuWindow)
            Sleep(10);
    }
    ASSERT_NE(menuWindow, nullptr);
    const auto items =
        probe->MenuItems(reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)));
    EXPECT_EQ(Captions(items), (Texts{L"打开界面", L"-", L"退出"}));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_TRUE(items[0].isDefault);
    EXPECT_FALSE(items[2].isDefault);
    PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(MainWindow, AboutWindowOpensModallyAndClosesWithItsButton) {
    ChooseMenuItem(3, 0);
    HWND about = app.WaitForWindow(L"TForm2", L"关于“Lexora电子版”");
    ASSERT_NE(about, nullptr);
    RECT client;
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 424);
    EXPECT_EQ(client.bottom, 226);
    EXPECT_FALSE(IsWindowEnabled(window)) << "modal";
    EXPECT_NE(ChildWindow(about, L"TLabel", L"Lexora电子版 2007"), nullptr);
    // The seal above, the scene below, each as its picture.
    std::vector<HWND> images = ChildWindows(about, L"TImage");
    ASSERT_EQ(images.size(), 2u);
    std::sort(images.begin(), images.end(), [](HWND a, HWND b) {
        RECT ra, rb;
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top < rb.top;
    });
    const pixels::Bitmap seal = ProgramPicture(IDR_ABOUT_SEAL);
    const pixels::Bitmap scene = ProgramPicture(IDR_ABOUT_SCENE);
    ASSERT_FALSE(seal.Empty());
    ASSERT_FALSE(scene.Empty());
    EXPECT_TRUE(WaitUntil(
        [&] { return WindowOnScreen(images[0]) == seal && WindowOnScreen(images[1]) == scene; }));
    RECT aboutFrame, mainFrame;
    GetWindowRect(about, &aboutFrame);
    GetWindowRect(window, &mainFrame);
    EXPECT_NEAR((aboutFrame.left + aboutFrame.right) / 2, (mainFrame.left + mainFrame.right) / 2,
                1);
    const LONG style = GetWindowLongW(about, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    HWND ok = ChildWindow(about, L"TButton", L"确定");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(GetWindowLongW(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);
    PostMessageW(ok, BM_CLICK, 0, 0);
    for (int i = 0; i < 500 && IsWindowVisible(about); ++i)
        Sleep(10);
    EXPECT_FALSE(IsWindowVisible(about));
    EXPECT_TRUE(IsWindowEnabled(window));
}

TEST_F(MainWindow, ExitCommandsEndTheProgram) {
    ChooseMenuItem(0, 8);  // 退出
    EXPECT_EQ(app.WaitForExit(), 0u);
}

TEST(Startup, ASecondCopyShowsTheGuardsMessageAndEnds) {
    LexoraApp first(Database::Fixture);
    first.Start();
    ASSERT_NE(first.WaitForWindow(L"TForm1", kMainCaption), nullptr);
    LexoraApp second(Database::Fixture);
    second.Start();
    HWND box = WaitForMessageBox(second.ProcessId(), L"提示");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"程序已经在运行了，请看看托盘区");
    EXPECT_EQ(second.WaitForWindow(L"TForm1", nullptr, 200), nullptr);
    DismissMessageBox(box);
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(first.WaitForExit(200), static_cast<DWORD>(STILL_ACTIVE)) << "the first copy runs on";
}

TEST(Startup, AMissingDatabaseIsReportedOnceAndTheWindowStillOpens) {
    LexoraApp app(Database::None);
    app.Start();
    HWND box = WaitForMessageBox(app.ProcessId(), L"Lexora电子版");
    ASSERT_NE(box, nullptr);
    const std::wstring text = MessageBoxText(box);
    EXPECT_EQ(text.rfind(L"找不到成语数据库文件", 0), 0u) << text.c_str();
    EXPECT_EQ(text.back(), L'.');
    DismissMessageBox(box);
    EXPECT_NE(app.WaitForWindow(L"TForm1", kMainCaption), nullptr);
    EXPECT_EQ(WaitForMessageBox(app.ProcessId(), L"Lexora电子版", 500), nullptr) << "reported once";
}
