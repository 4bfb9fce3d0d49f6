// Skinned test windows under Wine: the real skin manager and frame objects,
// a skin data loaded with small test skins or the program's five, and
// windows of each frame kind that record what reaches their own procedure.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "skin/window/skin_manager.h"
#include "skin/window/system_look.h"
#include "skin/window/window_parts.h"
#include "test_skins.h"
#include "ui/application.h"

namespace skinwindow {

enum class Kind { Sizeable, Fixed, Dialog, NoCaption };
const char* KindName(Kind kind);

// A window of our module with a 400 x 300 client area (under the system's
// frame), whose procedure records what reaches it and acts on nothing.
class TestWindow {
  public:
    explicit TestWindow(Kind kind, const wchar_t* className = L"SkinTestWindow", int left = 40,
                        int top = 40);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_; }
    RECT WindowRect() const;
    SIZE WindowSize() const;
    SIZE ClientSize() const;
    // The client area's top-left corner in window coordinates.
    POINT ClientOrigin() const;
    // Shows and activates it, as a user's click would, and lets the frame
    // start.
    void Show();

    // What reached the window's own procedure, one line each: "syscommand
    // F060", "action 42", "command 301", "close", "nclbuttondown 2".
    std::vector<std::string> log;

  private:
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
};

// The program's own bitmaps as the tests give them: four 16 x 16 glyphs
// and the track bar channels.
class TestResources : public skin::ResourceBitmaps {
  public:
    std::optional<pixels::Bitmap> Load(std::string_view name) const override;
};

class SkinWindowTest : public ::testing::Test {
  protected:
    SkinWindowTest();
    ~SkinWindowTest() override;

    // A skin data of the type, loaded; the first made is the main one.
    skin::TSkinData& AddSkinData(skin::TSkinFormType type = skin::TSkinFormType::sfMainform);
    // Loads a definition with its pictures into `data`.
    static void LoadSkin(skin::TSkinData& data, const std::string& definition,
                         const skintest::Members& members);
    // The test skin with borders 4/30/4/4: close, maximise, restore, the
    // skin's own button (Action 42) and the icon button; `transparent`
    // gives it corners cut along magenta.
    static void LoadBoxSkin(skin::TSkinData& data, bool transparent = false);

    skin::window::TSkinManager& Manager() const;
    skin::window::TSkinForm* FrameOf(const TestWindow& window) const;

    ui::TApplication application;
    skin::window::Win32SystemLook look;
    TestResources resources;
    skin::window::Win32WindowParts parts;
    skin::SkinManagerSlot slot{
        [this] { return std::make_unique<skin::window::TSkinManager>(look); }};
    std::vector<std::unique_ptr<skin::TSkinData>> skinData;
    skin::TSkinData* main = nullptr;
};

// Runs this thread's messages until none is left for a while.
void PumpMessages(DWORD quietMs = 30);
// Runs them until `done` holds; whether it did within the time.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);

// A screen point at window coordinates (x, y) of `window`.
LPARAM ScreenAt(const TestWindow& window, int x, int y);

}  // namespace skinwindow
