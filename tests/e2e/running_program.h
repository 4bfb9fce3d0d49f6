// The running program as the settings, tray and failure tests drive it: its
// settings file, its menus through the probe, its tray icon as the shell
// would click it, its searches and its close.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dictionary_window.h"
#include "lexora_app.h"
#include "probe_client.h"

// A top-level window of the process with that class, shown or not.
HWND ProcessWindow(DWORD processId, const wchar_t* className);
// The text in the program's code page (GBK), as the settings file holds it.
std::string GbkBytes(const std::wstring& text);

class RunningProgram {
  public:
    explicit RunningProgram(Database database = Database::Fixture) : app_(database) {}

    LexoraApp& App() { return app_; }
    HWND Main() const { return main_; }
    DictionaryWindow& Ui() { return *ui_; }
    HWND ApplicationWindow() const { return ProcessWindow(app_.ProcessId(), L"TApplication"); }

    std::filesystem::path IniPath() const { return app_.Directory() / L"配置文件.ini"; }
    void WriteIni(const std::wstring& text) const;
    std::string ReadIni() const;
    bool IniHas(const std::wstring& line) const;

    // Starts the program and waits for its main window to show.
    bool Start(const std::wstring& arguments = L"");
    // Starts the program where it is to stay in the tray, and waits until its
    // start-up is over: the histories (the settings must hold a keyword) fill
    // the box a step before the window would be shown, and a message sent
    // then is answered from the message loop.
    bool StartInTray(const std::wstring& arguments);

    std::vector<MenuEntry> Menu(int index);
    bool Checked(int menu, int item) { return Menu(menu).at(item).checked; }
    // Runs a menu command as a click on the item would.
    void Choose(int menu, int item);

    // Whether the shell holds the program's icon: changing nothing in it
    // succeeds only then.
    bool IconInTray() const;
    // Clicks on the tray icon, as the shell reports them.
    void ClickIcon() const { Notify({WM_LBUTTONDOWN, WM_LBUTTONUP}); }
    void DoubleClickIcon() const {
        Notify({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    }

    void SearchKeyword(const std::wstring& keyword);
    void SearchInitials(const std::wstring& initials);

    // Closes the main window and waits for the program to end.
    DWORD Close();

  private:
    void Notify(std::initializer_list<UINT> codes) const;
    void Attach();

    LexoraApp app_;
    HWND main_ = nullptr;
    std::unique_ptr<DictionaryWindow> ui_;
    std::unique_ptr<Probe> probe_;
};
