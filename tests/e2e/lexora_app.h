// Lexora.exe run from a directory of its own and driven from outside, the
// way a user's tools would: by its windows, their texts and messages.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The installed pieces an instance starts with.
enum class Database { Fixture, Full, None };

class LexoraApp {
  public:
    // Copies Lexora.exe and the chosen IdiomDB.dll into a fresh directory.
    explicit LexoraApp(Database database = Database::Fixture);
    // Copies the given Lexora.exe and IdiomDB.dll (another build's, say).
    LexoraApp(const std::filesystem::path& exe, const std::filesystem::path& database);
    // Ends the program if it still runs and removes its directory.
    ~LexoraApp();
    LexoraApp(const LexoraApp&) = delete;
    LexoraApp& operator=(const LexoraApp&) = delete;

    const std::filesystem::path& Directory() const { return dir_; }

    // Starts the program with the given command-line arguments.
    void Start(const std::wstring& arguments = L"");
    // Waits for a visible top-level window of this program with the class and
    // caption given (either may be null); null when none shows in time.
    HWND WaitForWindow(const wchar_t* className, const wchar_t* caption,
                       DWORD timeoutMs = 15000) const;
    // Waits for the program to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs = 15000) const;
    DWORD ProcessId() const { return processId_; }

  private:
    std::filesystem::path dir_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// Waits until the condition holds; false when it does not in time.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// The text of a window, read through WM_GETTEXT.
std::wstring WindowText(HWND window);

// The child windows of `parent` (at any depth) of a window class, in the
// order the system lists them.
std::vector<HWND> ChildWindows(HWND parent, const wchar_t* className);
// The first child window of `parent` (at any depth) with that class and text.
HWND ChildWindow(HWND parent, const wchar_t* className, const std::wstring& text);
// A window's rectangle in its parent's client area.
RECT RectInParent(HWND window);
// The menu a window shows in its menu bar: the window's menu, or, when a
// skinned frame shows it as a band of its own, the menu the band shows.
HMENU MenuBar(HWND window);
// Waits for a message box (class "#32770") of a process with the caption
// given; null when none shows in time.
HWND WaitForMessageBox(DWORD processId, const std::wstring& caption, DWORD timeoutMs = 15000);
// The text of a message box (its static control 0xFFFF).
std::wstring MessageBoxText(HWND box);
// Presses a message box's OK button and waits for the box to go.
void DismissMessageBox(HWND box);
