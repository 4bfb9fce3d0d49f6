// The tests' side of the probe (probe_protocol.h).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct MenuEntry {
    std::wstring caption;  // "-" for a separator
    bool checked = false;
    bool isDefault = false;
    bool grayed = false;
    bool highlighted = false;  // the open menu's selected item
    bool ownerDrawn = false;
    HMENU subMenu = nullptr;
    UINT command = 0;
    RECT place{};  // on the screen while the menu is open
};

class Probe {
  public:
    // Places the probe in the thread of `window`'s process.
    explicit Probe(HWND window);
    ~Probe();
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    DWORD ProcessId() const { return processId_; }
    std::vector<MenuEntry> MenuItems(HMENU menu);
    // The rich edit's whole content as RTF, as the view itself writes it.
    std::string StreamRtf(HWND view);

  private:
    std::string Ask(uint32_t request, uint64_t handle);

    HWND window_;
    DWORD processId_ = 0;
    HHOOK hook_ = nullptr;
    HANDLE mapping_ = nullptr;
    HANDLE done_ = nullptr;
};

// The program's menu window shown now, its menu and the menu's items.
struct ShownMenu {
    HWND window = nullptr;
    HMENU menu = nullptr;
    std::vector<MenuEntry> items;
};

// Waits for a visible menu window whose menu and items satisfy `ready`;
// an empty ShownMenu when none does within the time.
ShownMenu WaitForOpenMenu(Probe& probe,
                          const std::function<bool(HMENU, const std::vector<MenuEntry>&)>& ready,
                          DWORD timeoutMs = 3000);
