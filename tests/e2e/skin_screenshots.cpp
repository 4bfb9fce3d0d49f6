// Pictures of the real program in its skins, for the README: the main
// window in each of the five, its menu "功能" open in two, and the About
// window and a message box in one. Each is taken from the screen once it
// shows the skin's composition.
//
//   skin_screenshots OUTPUT_DIR
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "probe_client.h"
#include "real_input.h"
#include "skin/bmp_file.h"
#include "skin/window/dib.h"
#include "skinned_frame.h"

namespace {

const char* const kNames[] = {"default", "xp", "metal", "christmas", "vista"};

RECT PlaceOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

pixels::Bitmap Shown(const RECT& r) {
    return skin::window::ScreenPicture({r.left, r.top, r.right, r.bottom});
}

// The frame is painted at once on a switch, the client area and its
// controls once the program gets to their paint messages: the picture is
// taken once it no longer changes.
bool WaitUntilStill(const RECT& area) {
    pixels::Bitmap last = Shown(area);
    return WaitUntil([&] {
        Sleep(150);
        pixels::Bitmap now = Shown(area);
        const bool still = now == last;
        last = std::move(now);
        return still;
    });
}

// Saves what the screen shows there as a BMP file (scripts/skin-screenshots
// turns them into PNG files).
bool Save(const RECT& area, const std::string& file) {
    if (!WaitUntilStill(area))
        return false;
    const std::vector<uint8_t> bytes = skin::WriteBmp(Shown(area));
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool Save(HWND window, const std::string& file) {
    return Save(PlaceOf(window), file);
}

// Opens "功能" with a click on the bar, as the skin lays it out, and saves
// the window with the open menu.
bool SaveOpenMenu(HWND window, Probe& probe, const skin::SkinSnapshot& skin,
                  const FrameShape& shape, const std::string& file) {
    const RECT r = PlaceOf(window);
    FrameLayout layout;
    ComposeFrame(skin, shape, {r.right - r.left, r.bottom - r.top}, true, &layout);
    const skin::Rect& button = layout.menuBarButtons.at(0);
    if (!ClickAt(
            {r.left + (button.left + button.right) / 2, r.top + (button.top + button.bottom) / 2}))
        return false;
    const ShownMenu menu = WaitForOpenMenu(probe, [](HMENU, const std::vector<MenuEntry>& items) {
        return !items.empty() && items[0].highlighted;
    });
    if (!menu.window)
        return false;
    const RECT m = PlaceOf(menu.window);
    const RECT both{std::min(r.left, m.left), std::min(r.top, m.top), std::max(r.right, m.right),
                    std::max(r.bottom, m.bottom)};
    const bool saved = Save(both, file);
    PostMessageW(menu.window, WM_KEYDOWN, VK_ESCAPE, 0);
    WaitUntil([] { return FindWindowW(L"#32768", nullptr) == nullptr; });
    MoveTo({1, 1});
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: skin_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "/";
    const FrameShape main = MainWindowShape();

    LexoraApp app(Database::Fixture);
    MoveTo({1, 1});
    app.Start();
    HWND window = app.WaitForWindow(L"TForm1", L"Lexora电子版 2007");
    if (!window)
        return 1;
    Probe probe(window);
    const auto bar = probe.MenuItems(MenuBar(window));
    const auto skins = probe.MenuItems(bar.at(2).subMenu);
    for (int i = 0; i < 5; ++i) {
        PostMessageW(window, WM_COMMAND, skins.at(i).command, 0);
        const skin::SkinSnapshot skin = LoadProgramSkin(i);
        if (!WaitUntil([&] { return FrameDifferences(window, skin, main, true).empty(); }) ||
            !Save(window, out + "main-" + kNames[i] + ".bmp")) {
            std::printf("the main window in %s could not be taken\n", kNames[i]);
            return 1;
        }
        if ((i == 1 || i == 3) &&
            !SaveOpenMenu(window, probe, skin, main, out + "menu-" + kNames[i] + ".bmp")) {
            std::printf("the open menu in %s could not be taken\n", kNames[i]);
            return 1;
        }
    }

    // The About window and a message box, in the last skin.
    PostMessageW(window, WM_COMMAND, probe.MenuItems(bar.at(3).subMenu).at(0).command, 0);
    HWND about = app.WaitForWindow(L"TForm2", L"关于“Lexora电子版”");
    FrameShape aboutShape;
    aboutShape.kind = skin::FrameKind::Dialog;
    aboutShape.caption = "关于“Lexora电子版”";
    const skin::SkinSnapshot last = LoadProgramSkin(4);
    if (!about ||
        !WaitUntil([&] { return FrameDifferences(about, last, aboutShape, true).empty(); }) ||
        !Save(about, out + "about-vista.bmp")) {
        std::printf("the About window could not be taken\n");
        return 1;
    }
    PostMessageW(ChildWindow(about, L"TButton", L"确定"), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(about); });

    DictionaryWindow ui(app, window);
    ui.PressLater(ui.initialsButton);
    HWND box = WaitForMessageBox(app.ProcessId(), L"确认");
    FrameShape boxShape;
    boxShape.kind = skin::FrameKind::Dialog;
    boxShape.dialogClass = true;
    boxShape.caption = "确认";
    if (!box || !WaitUntil([&] { return FrameDifferences(box, last, boxShape, true).empty(); }) ||
        !Save(box, out + "message-vista.bmp")) {
        std::printf("the message box could not be taken\n");
        return 1;
    }
    DismissMessageBox(box);
    return 0;
}
