#include "ui/message_kind.h"

#include <commctrl.h>

namespace ui {
namespace {

bool IsPainting(UINT msg) {
    switch (msg) {
        case WM_PAINT:
        case WM_NCPAINT:
        case WM_ERASEBKGND:
        case WM_SYNCPAINT:
        case WM_PRINT:
        case WM_PRINTCLIENT:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            return true;
    }
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}

// What the user does on purpose, or the program asks for: each failure of
// these is reported.
bool IsRequest(UINT msg) {
    switch (msg) {
        case WM_NCCREATE:
        case WM_CREATE:
        case WM_CLOSE:
        case WM_COMMAND:
        case WM_SYSCOMMAND:
        case WM_NOTIFY:
        case WM_CONTEXTMENU:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
            return true;
    }
    if (msg >= WM_KEYFIRST && msg <= WM_KEYLAST)
        return true;
    // Mouse buttons; a mere movement is not a request.
    if (msg > WM_MOUSEMOVE && msg <= WM_MOUSELAST)
        return true;
    // The program's own messages and those a driver or the shell sends it
    // (the tray's notifications).
    return msg >= WM_USER && msg < 0xC000;
}

}  // namespace

TFailureKind FailureKindOf(UINT msg, LPARAM lParam) {
    if (msg == WM_TIMER || msg == 0x0118 /* the system's caret and scroll timer */)
        return TFailureKind::Timer;
    if (msg == WM_NOTIFY && lParam != 0 &&
        reinterpret_cast<const NMHDR*>(lParam)->code == NM_CUSTOMDRAW)
        return TFailureKind::Painting;
    if (IsPainting(msg))
        return TFailureKind::Painting;
    if (IsRequest(msg))
        return TFailureKind::Command;
    return TFailureKind::System;
}

}  // namespace ui
