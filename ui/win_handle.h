// Owners of Win32 handles: each frees its handle exactly once, when it goes.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace ui {

template <class Handle, class Close>
class Owned {
  public:
    Owned() = default;
    explicit Owned(Handle h) : h_(h) {}
    ~Owned() { reset(); }
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, Handle{})) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o)
            reset(std::exchange(o.h_, Handle{}));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Handle{}; }
    void reset(Handle h = Handle{}) {
        if (h_ != Handle{})
            Close{}(h_);
        h_ = h;
    }
    Handle release() { return std::exchange(h_, Handle{}); }

  private:
    Handle h_{};
};

struct CloseGdiObject {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct CloseIcon {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct CloseImageList {
    void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};
struct CloseMenu {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct CloseKernelHandle {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct CloseHook {
    void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};

using OwnedFont = Owned<HFONT, CloseGdiObject>;
using OwnedBrush = Owned<HBRUSH, CloseGdiObject>;
using OwnedBitmap = Owned<HBITMAP, CloseGdiObject>;
using OwnedIcon = Owned<HICON, CloseIcon>;
using OwnedImageList = Owned<HIMAGELIST, CloseImageList>;
using OwnedMenu = Owned<HMENU, CloseMenu>;
using OwnedHandle = Owned<HANDLE, CloseKernelHandle>;
using OwnedHook = Owned<HHOOK, CloseHook>;

// A device context of a window, released when it goes.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// A device context of a whole window, its non-client area included,
// released when it goes.
class WholeWindowDC {
  public:
    explicit WholeWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WholeWindowDC() { ReleaseDC(window_, dc_); }
    WholeWindowDC(const WholeWindowDC&) = delete;
    WholeWindowDC& operator=(const WholeWindowDC&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context and puts the old one back.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, old_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace ui
