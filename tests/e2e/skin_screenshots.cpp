// Pictures of the real program in its skins, for the README: the main
// window in each of the five, and the About window and a message box in one.
// Each is taken from the screen once it shows the skin's composition.
//
//   skin_screenshots OUTPUT_DIR
#include <windows.h>

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

pixels::Bitmap Shown(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return skin::window::ScreenPicture({r.left, r.top, r.right, r.bottom});
}

// The frame is painted at once on a switch, the client area and its
// controls once the program gets to their paint messages: the picture is
// taken once it no longer changes.
bool WaitUntilStill(HWND window) {
    pixels::Bitmap last = Shown(window);
    return WaitUntil([&] {
        Sleep(150);
        pixels::Bitmap now = Shown(window);
        const bool still = now == last;
        last = std::move(now);
        return still;
    });
}

// Saves what the screen shows of the window as a BMP file
// (scripts/skin-screenshots turns them into PNG files).
bool Save(HWND window, const std::string& file) {
    if (!WaitUntilStill(window))
        return false;
    const std::vector<uint8_t> bytes = skin::WriteBmp(Shown(window));
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: skin_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "/";
    FrameShape main;
    main.maximiseBox = main.minimiseBox = true;
    main.menuBar = {"功能", "设置", "换肤", "帮助"};
    main.caption = "Lexora电子版 2007";

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
