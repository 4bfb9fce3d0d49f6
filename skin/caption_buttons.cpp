#include "skin/caption_buttons.h"

#include <algorithm>

#include "skin/nine_slice.h"
#include "skin/pixel_ops.h"

namespace skin {
namespace {

bool VisibilityAllows(int v, int action, const CaptionState& s) {
    if (v == 0 || v == -1 || (v >= 201 && v <= 999))
        return true;
    if (v >= 1000 && v <= 2000)
        return s.AskWindow && s.AskWindow(v, action);
    switch (v) {
        case 1:
            return s.Maximised;
        case 2:
            return !s.Maximised;
        case 3:
            return s.Active;
        case 4:
            return !s.Active;
        case 6:
            return s.MaximiseBox && s.SystemMenu;
        case 7:
            return !s.MaximiseBox;
        case 8:
            return s.MinimiseBox && s.SystemMenu;
        case 9:
            return !s.MinimiseBox;
        case 100:
            return s.MaximisedMdiChildInMenuBar;
        case 200:
            return s.Kind == FrameKind::Dialog && !s.DialogClass;
        default:
            return false;
    }
}

bool Visibility1Allows(const TSkinSysButtonObject& b, const CaptionState& s) {
    switch (b.Visibility1) {
        case 0:
            return true;
        case 1:
            return s.Maximised;
        case 2:
            return !s.Maximised;
        case 3:
            return s.Active;
        case 4:
            return !s.Active;
        case 6:
            return s.MaximiseBox;
        case 7:
            return !s.MaximiseBox;
        case 8:
            return s.MinimiseBox;
        case 9:
            return !s.MinimiseBox;
        case 100:
            return VisibilityAllows(b.Visibility, b.Action, s);
        default:
            return false;
    }
}

bool ActionAllows(int action, const CaptionState& s) {
    switch (action) {
        case 0:
            return s.SystemMenu;
        case 1:
            return s.MaximiseBox;
        case 2:
            return s.MinimiseBox;
        case 3:
        case 11:
        case 12:
            return s.Kind != FrameKind::Dialog;
        default:
            return true;
    }
}

}  // namespace

TCaptionButton::TCaptionButton(SkinSnapshot skin, size_t index)
    : button_(skin, &skin->CaptionButtons.at(index)) {}

void TCaptionButton::Paint(NcElementHost& frame) const {
    frame.PaintCaptionButton(*this);
}

std::vector<TCaptionButton> MakeCaptionButtons(const SkinSnapshot& skin) {
    std::vector<TCaptionButton> out;
    for (size_t i = 0; i < skin->CaptionButtons.size(); ++i)
        out.emplace_back(skin, i);
    return out;
}

bool IsIconButton(const TSkinSysButtonObject& b) {
    return b.Action == 3 || b.Action == 11;
}

bool CaptionButtonVisible(const TSkinSysButtonObject& b, const CaptionState& s) {
    return VisibilityAllows(b.Visibility, b.Action, s) && Visibility1Allows(b, s) &&
           ActionAllows(b.Action, s);
}

void LayOutCaptionButtons(std::vector<TCaptionButton>& buttons, const CaptionState& s,
                          int windowWidth, const FrameMetrics& m, Size iconSize,
                          int menuBarLeftWidth) {
    for (TCaptionButton& cb : buttons) {
        const TSkinSysButtonObject& b = cb.Button();
        cb.Visible = CaptionButtonVisible(b, s);
        Size size;
        if (!b.Image.Empty()) {
            size = {b.Image.Width() / std::max(b.Frame, 1), b.Image.Height()};
        } else if (IsIconButton(b)) {
            size = iconSize;
        }
        if (!cb.Visible || size.width == 0 || size.height == 0)
            continue;
        int x = b.Xcoord, y = b.Ycoord;
        switch (b.Align) {
            case 1:
                x = windowWidth - b.Xcoord;
                break;
            case 2:
            case 8:
                x = -(size.width + b.Xcoord);
                break;
            case 100:
                y = m.CaptionHeight + (m.MenuBarHeight - size.height) / 2;
                x = s.RightToLeft ? b.Xcoord + menuBarLeftWidth + m.BorderLeft
                                  : windowWidth - b.Xcoord - m.BorderRight - menuBarLeftWidth;
                break;
            default:
                break;
        }
        cb.Place = {x, y, x + size.width, y + size.height};
    }
}

int CaptionPaintSlice(const TSkinSysButtonObject& b, bool active) {
    return active || b.Frame < 4 ? 1 : 4;
}

int CaptionStateSlice(const TCaptionButton& button) {
    if (button.Button().Visibility == 100 && button.State == ElementState::Hot)
        return 4;
    return static_cast<int>(button.State);
}

void DrawCaptionButton(Bitmap& window, const TCaptionButton& button, int slice,
                       const Bitmap& icon) {
    const TSkinSysButtonObject& b = button.Button();
    if (IsIconButton(b)) {
        DrawBitmap(window, button.Place.left, button.Place.top, icon,
                   {0, 0, icon.Width(), icon.Height()}, true);
        return;
    }
    DrawNineSlice(window, button.Place, b.Image,
                  SliceRect(b.Image, b.Frame, slice, SliceLayout::SideBySide), {},
                  {Scaling::Stretch, Scaling::Stretch, true});
}

}  // namespace skin
