// Pictures of the real program in its skins, for the README: the main
// window in each of the five, and the About window and a message box in one.
// Each is taken from the screen once it shows the skin's composition.
//
//   skin_screenshots OUTPUT_DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "probe_client.h"
#include "real_input.h"
#include "skinned_frame.h"

namespace {

const char* const kNames[] = {"default", "xp", "metal", "christmas", "vista"};

// Saves the screen's picture of the window with ImageMagick's import.
bool Save(HWND window, const std::wstring& file) {
    RECT r;
    GetWindowRect(window, &r);
    const std::wstring geometry = std::to_wstring(r.right - r.left) + L"x" +
                                  std::to_wstring(r.bottom - r.top) + L"+" +
                                  std::to_wstring(r.left) + L"+" + std::to_wstring(r.top);
    std::wstring commandLine =
        L"Z:\\usr\\bin\\import -window root -crop " + geometry + L" +repage " + file;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi)) {
        return false;
    }
    WaitForSingleObject(pi.hProcess, 20000);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code == 0;
}

std::wstring Wide(const char* text) {
    return std::wstring(text, text + strlen(text));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: skin_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const std::wstring out = L"Z:" + Wide(argv[1]) + L"/";
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
            !Save(window, out + L"main-" + Wide(kNames[i]) + L".png")) {
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
        !Save(about, out + L"about-vista.png")) {
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
        !Save(box, out + L"message-vista.png")) {
        std::printf("the message box could not be taken\n");
        return 1;
    }
    DismissMessageBox(box);
    return 0;
}
