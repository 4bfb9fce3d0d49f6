#include "skin_window_fixture.h"

#include <cstdio>

#include "skin/bmp_file.h"
#include "skin/skin_ini.h"

namespace skinwindow {
namespace {

using pixels::Bitmap;
using pixels::MakePixel;

DWORD StyleOf(Kind kind) {
    switch (kind) {
        case Kind::Sizeable:
            return WS_OVERLAPPEDWINDOW;
        case Kind::Fixed:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        case Kind::Dialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        case Kind::NoCaption:
            return WS_POPUP | WS_BORDER;
    }
    return 0;
}

DWORD ExStyleOf(Kind kind) {
    return kind == Kind::Dialog ? WS_EX_DLGMODALFRAME : 0;
}

void Register(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc))
        return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

std::string Hex(const char* what, WPARAM value) {
    char text[48];
    std::snprintf(text, sizeof text, "%s %llX", what, static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Sizeable:
            return "sizeable";
        case Kind::Fixed:
            return "fixed";
        case Kind::Dialog:
            return "dialog frame";
        case Kind::NoCaption:
            return "no caption";
    }
    return "";
}

TestWindow::TestWindow(Kind kind, const wchar_t* className, int left, int top) {
    Register(className, Procedure);
    RECT r{0, 0, 400, 300};
    AdjustWindowRectEx(&r, StyleOf(kind), FALSE, ExStyleOf(kind));
    window_ = CreateWindowExW(ExStyleOf(kind), className, L"皮肤 Skin", StyleOf(kind), left, top,
                              r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
}

TestWindow::~TestWindow() {
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    PumpMessages(0);
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        switch (msg) {
            case WM_SYSCOMMAND:
                if ((wParam & 0xFFF0) == SC_KEYMENU)
                    break;
                self->log.push_back(Hex("syscommand", wParam & 0xFFF0));
                return 0;
            case 0x3514:
                self->log.push_back("action " + std::to_string(wParam));
                return 0;
            case WM_COMMAND:
                self->log.push_back("command " + std::to_string(LOWORD(wParam)));
                return 0;
            case WM_CLOSE:
                self->log.push_back("close");
                return 0;
            case WM_NCLBUTTONDOWN:
                self->log.push_back("nclbuttondown " + std::to_string(wParam));
                return 0;
            case WM_NCDESTROY:
                self->window_ = nullptr;
                break;
        }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

RECT TestWindow::WindowRect() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return r;
}

SIZE TestWindow::WindowSize() const {
    const RECT r = WindowRect();
    return {r.right - r.left, r.bottom - r.top};
}

SIZE TestWindow::ClientSize() const {
    RECT r{};
    GetClientRect(window_, &r);
    return {r.right, r.bottom};
}

POINT TestWindow::ClientOrigin() const {
    POINT p{0, 0};
    ClientToScreen(window_, &p);
    const RECT r = WindowRect();
    return {p.x - r.left, p.y - r.top};
}

void TestWindow::Show() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    // Wine tells of the activation and the focus a little later.
    PumpMessages(150);
}

std::optional<Bitmap> TestResources::Load(std::string_view name) const {
    // The track bar channels, lying and standing.
    if (name == "TRACK")
        return skintest::States(7, 1, 9, 4);
    if (name == "TRACKVERT")
        return skintest::States(8, 1, 4, 9);
    if (name != "MENUGLYPHS")
        return std::nullopt;
    // Four glyphs, black on white: a bar of each glyph's own length.
    Bitmap strip(64, 16, MakePixel(255, 255, 255));
    for (int glyph = 0; glyph < 4; ++glyph) {
        for (int x = 3; x < 6 + 2 * glyph; ++x)
            strip.At(16 * glyph + x, 12) = MakePixel(0, 0, 0);
    }
    return strip;
}

SkinWindowTest::SkinWindowTest() {
    application.Initialize();
}

SkinWindowTest::~SkinWindowTest() {
    // The windows go before the skin data and the manager.
    PumpMessages(0);
}

skin::TSkinData& SkinWindowTest::AddSkinData(skin::TSkinFormType type) {
    skinData.push_back(std::make_unique<skin::TSkinData>(
        skin::SkinDataServices{look, resources, [](const std::string&) {}, slot, parts}));
    skin::TSkinData& data = *skinData.back();
    data.SkinFormtype = type;
    if (!main)
        main = &data;
    LoadBoxSkin(data);
    data.SetActive(true);
    data.Loaded();
    return data;
}

void SkinWindowTest::LoadSkin(skin::TSkinData& data, const std::string& definition,
                              const skintest::Members& members) {
    skin::TSkinIni ini;
    ini.LoadFromStream(definition);
    data.ReadDefinition(ini, members.Lookup());
}

void SkinWindowTest::LoadBoxSkin(skin::TSkinData& data, bool transparent) {
    skintest::Members members;
    // Top 60 high in two states (caption 30), sides 8 wide in two (4), bottom
    // 8 high in two (4).
    Bitmap top = skintest::States(1, 1, 120, 60);
    Bitmap left = skintest::States(2, 2, 4, 40);
    Bitmap right = skintest::States(3, 2, 4, 40);
    Bitmap bottom = skintest::States(4, 1, 120, 8);
    for (int x = 0; x < 120; ++x) {
        for (int y = 0; y < 60; ++y)
            top.At(x, y) = MakePixel(40 + x, y < 30 ? 60 : 160, 90 + y);
        for (int y = 0; y < 8; ++y)
            bottom.At(x, y) = MakePixel(x, y < 4 ? 10 : 110, 200);
    }
    if (transparent) {
        // The outer corners of the active states, as a rounded window has.
        for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}})
            left.At(x, y) = pixels::kMagenta;
        for (const auto& [x, y] : {std::pair{3, 0}, {2, 0}, {3, 1}})
            right.At(x, y) = pixels::kMagenta;
    }
    members.Add("top.bmp", top);
    members.Add("left.bmp", left);
    members.Add("right.bmp", right);
    members.Add("bottom.bmp", bottom);
    members.Add("close.bmp", skintest::States(5, 3, 18, 18));
    members.Add("max.bmp", skintest::States(6, 3, 16, 18));
    members.Add("restore.bmp", skintest::States(7, 3, 16, 18));
    members.Add("own.bmp", skintest::States(8, 3, 14, 14));
    const std::string trans = transparent ? "1" : "0";
    LoadSkin(
        data,
        "[TitlebarSkin]\nSkinName=Box\n"
        "[Personality]\nTop=top.bmp\nTopFrame=2\nTopTopHeight=10\nTopBotHeight=10\n"
        "TopTrans=" +
            trans +
            "\n"
            "Left=left.bmp\nLeftFrame=2\nLeftTopHeight=30\nLeftBotHeight=4\nLeftTrans=" +
            trans +
            "\n"
            "Right=right.bmp\nRightFrame=2\nRightTopHeight=30\nRightBotHeight=4\n"
            "RightTrans=" +
            trans +
            "\n"
            "Bottom=bottom.bmp\nBottomFrame=2\nBottomTrans=0\n"
            "TextShift=26\nTextShiftVert=6\nTextRightClip=70\n"
            "[Fonts]\nFontHeight=14\n"
            "[Colours]\nButtonFace=236 233 216\nTitleTextActive=255 255 255\n"
            "[ButtonClose]\nAction=0\nAlign=1\nXcoord=22\nYcoord=6\nframe=3\nButtonImage=close."
            "bmp\n"
            "[ButtonMax]\nAction=1\nAlign=1\nXcoord=42\nYcoord=6\nVisibility=2\nframe=3\n"
            "ButtonImage=max.bmp\n"
            "[ButtonRestore]\nAction=1\nAlign=1\nXcoord=42\nYcoord=6\nVisibility=1\nframe=3\n"
            "ButtonImage=restore.bmp\n"
            "[ButtonOwn]\nAction=42\nAlign=0\nXcoord=30\nYcoord=8\nframe=3\nButtonImage=own.bmp\n"
            "[ButtonIcon]\nAction=3\nAlign=0\nXcoord=6\nYcoord=7\nframe=1\n",
        members);
}

skin::window::TSkinManager& SkinWindowTest::Manager() const {
    return *static_cast<skin::window::TSkinManager*>(slot.Get());
}

skin::window::TSkinForm* SkinWindowTest::FrameOf(const TestWindow& window) const {
    return Manager().FindSkinnedWindow(window.Handle());
}

void PumpMessages(DWORD quietMs) {
    ULONGLONG quietSince = GetTickCount64();
    MSG msg;
    for (;;) {
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            quietSince = GetTickCount64();
            continue;
        }
        if (GetTickCount64() - quietSince >= quietMs)
            return;
        Sleep(1);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() > deadline)
            return false;
        PumpMessages(1);
    }
    return true;
}

LPARAM ScreenAt(const TestWindow& window, int x, int y) {
    const RECT r = window.WindowRect();
    return MAKELPARAM(r.left + x, r.top + y);
}

}  // namespace skinwindow
