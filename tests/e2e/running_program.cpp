#include "running_program.h"

#include <shellapi.h>

#include <fstream>
#include <sstream>

namespace {

const wchar_t* const kMainCaption = L"Lexora电子版 2007";
constexpr UINT kTrayCallback = 0x800;
// The program's only tray icon is the first one its process makes.
constexpr WPARAM kTrayIconId = 1;

}  // namespace

HWND ProcessWindow(DWORD processId, const wchar_t* className) {
    for (HWND w = FindWindowExW(nullptr, nullptr, className, nullptr); w;
         w = FindWindowExW(nullptr, w, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId)
            return w;
    }
    return nullptr;
}

std::string GbkBytes(const std::wstring& text) {
    const int n = WideCharToMultiByte(936, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(936, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n) - 1);
    return out;
}

void RunningProgram::WriteIni(const std::wstring& text) const {
    std::ofstream(IniPath(), std::ios::binary) << GbkBytes(text);
}

std::string RunningProgram::ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool RunningProgram::IniHas(const std::wstring& line) const {
    return ReadIni().find(GbkBytes(line + L"\r\n")) != std::string::npos;
}

bool RunningProgram::Start(const std::wstring& arguments) {
    app_.Start(arguments);
    main_ = app_.WaitForWindow(L"TForm1", kMainCaption);
    Attach();
    return main_ != nullptr;
}

bool RunningProgram::StartInTray(const std::wstring& arguments) {
    app_.Start(arguments);
    WaitUntil([&] {
        main_ = ProcessWindow(app_.ProcessId(), L"TForm1");
        const std::vector<HWND> boxes =
            main_ ? ChildWindows(main_, L"TComboBox") : std::vector<HWND>{};
        return !boxes.empty() && SendMessageW(boxes[0], CB_GETCOUNT, 0, 0) > 0;
    });
    DWORD_PTR ignored;
    SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(300);
    Attach();
    return main_ != nullptr;
}

std::vector<MenuEntry> RunningProgram::Menu(int index) {
    return probe_->MenuItems(probe_->MenuItems(MenuBar(main_)).at(index).subMenu);
}

void RunningProgram::Choose(int menu, int item) {
    PostMessageW(main_, WM_COMMAND, Menu(menu).at(item).command, 0);
}

bool RunningProgram::IconInTray() const {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = ProcessWindow(app_.ProcessId(), L"TTrayIconHandler");
    data.uID = static_cast<UINT>(kTrayIconId);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void RunningProgram::SearchKeyword(const std::wstring& keyword) {
    ui_->SetBoxText(ui_->keywordBox, keyword);
    ui_->Press(ui_->keywordButton);
}

void RunningProgram::SearchInitials(const std::wstring& initials) {
    ui_->SetBoxText(ui_->initialsBox, initials);
    ui_->Press(ui_->initialsButton);
}

DWORD RunningProgram::Close() {
    probe_.reset();
    PostMessageW(main_, WM_CLOSE, 0, 0);
    return app_.WaitForExit();
}

void RunningProgram::Notify(std::initializer_list<UINT> codes) const {
    HWND handler = ProcessWindow(app_.ProcessId(), L"TTrayIconHandler");
    for (UINT code : codes)
        PostMessageW(handler, kTrayCallback, kTrayIconId, code);
}

void RunningProgram::Attach() {
    if (!main_)
        return;
    ui_ = std::make_unique<DictionaryWindow>(app_, main_);
    probe_ = std::make_unique<Probe>(main_);
}
