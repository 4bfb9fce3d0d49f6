// The tests' side of the probe (probe_protocol.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MenuEntry {
    std::wstring caption;  // "-" for a separator
    bool checked = false;
    bool isDefault = false;
    bool grayed = false;
    HMENU subMenu = nullptr;
    UINT command = 0;
};

class Probe {
  public:
    // Places the probe in the thread of `window`'s process.
    explicit Probe(HWND window);
    ~Probe();
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

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
