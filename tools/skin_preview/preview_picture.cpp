#include "preview_picture.h"

#include <algorithm>
#include <vector>

#include "preview_look.h"
#include "recorded_text.h"
#include "skin/caption_buttons.h"
#include "skin/check_box_look.h"
#include "skin/combo_box_look.h"
#include "skin/frame_metrics.h"
#include "skin/group_box_look.h"
#include "skin/menu_bar_band.h"
#include "skin/menu_item_look.h"
#include "skin/pixel_ops.h"
#include "skin/push_button_look.h"
#include "skin/rect_fill.h"
#include "skin/scroll_bar_look.h"
#include "skin/status_bar_look.h"
#include "skin/window_frame.h"
#include "skin/window_outline.h"

namespace preview {
namespace {

using pixels::Bitmap;
using pixels::Pixel;
using skin::Colour;
using skin::Rect;

constexpr int kMargin = 28;  // desktop around the window
constexpr skin::Size kClient{560, 352};
constexpr int kMenuBarHeight = 20;
constexpr int kMenuItemHeight = 22;
constexpr int kSeparatorHeight = 9;

Pixel Resolved(Colour c, const skin::SystemLook& look) {
    return skin::ColourToPixel(skin::ResolveColour(c, look));
}

// A small icon of the program: a red seal with a white mark.
Bitmap SealIcon() {
    Bitmap icon(16, 16, pixels::kMagenta);
    skin::FillRect(icon, {1, 1, 15, 15}, pixels::MakePixel(176, 30, 36));
    skin::FrameRect(icon, {1, 1, 15, 15}, pixels::MakePixel(120, 14, 20));
    skin::FillRect(icon, {4, 4, 12, 6}, pixels::MakePixel(255, 244, 230));
    skin::FillRect(icon, {7, 4, 9, 12}, pixels::MakePixel(255, 244, 230));
    skin::FillRect(icon, {4, 10, 12, 12}, pixels::MakePixel(255, 244, 230));
    return icon;
}

// The system's check mark as a mask: black on white.
Bitmap CheckMark() {
    static constexpr const char* kRows[] = {"......x", ".....xx", "x...xxx", "xx.xxx.",
                                            "xxxxx..", ".xxx...", "..x...."};
    Bitmap mark(7, 7, pixels::MakePixel(255, 255, 255));
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            if (kRows[y][x] == 'x')
                mark.At(x, y) = pixels::MakePixel(0, 0, 0);
        }
    }
    return mark;
}

// A white box with the two-ring border the skin gives a control with
// scroll bars: button shadow outside, button face inside.
void Field(Bitmap& window, Rect r, Pixel inside, const skin::SkinDefinition& skin,
           const skin::SystemLook& look) {
    skin::FillRect(window, r, inside);
    skin::FrameRect(window, r, Resolved(skin.Colours.ButtonShadow, look));
    skin::FrameRect(window, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                    Resolved(skin.Colours.ButtonFace, look));
}

class Composer {
  public:
    explicit Composer(const skin::SkinSnapshot& skin)
        : snapshot_(skin),
          skin_(*skin),
          metrics_(skin::MeasureFrame(*skin, skin::FrameKind::Fixed, kMenuBarHeight)),
          size_{kClient.width + metrics_.BorderLeft + metrics_.BorderRight,
                kClient.height + metrics_.CaptionHeight + metrics_.MenuBarHeight +
                    metrics_.BorderBottom},
          window_(size_.width, size_.height, Resolved(skin->Colours.ButtonFace, look_)),
          caption_(14, true, &windowText_),
          font_(12, false, &windowText_),
          menuFont_(12, false, &menuText_),
          menuBold_(12, true, &menuText_) {
        caption_.MoveBy(kMargin, kMargin);
        font_.MoveBy(kMargin, kMargin);
    }

    Picture Compose() {
        Frame();
        const skin::Rect band = metrics_.MenuBand(size_);
        MenuBar(band);
        const Rect client = metrics_.ClientRect(size_);
        Controls(client.left, client.top);
        Bitmap menu = Menu(menuOrigin_.left, menuOrigin_.bottom);
        Picture picture = OnDesktop();
        picture.menu = std::move(menu);
        picture.menuX = kMargin + menuPlace_.left;
        picture.menuY = kMargin + menuPlace_.top;
        picture.menuText = std::move(menuText_);
        return picture;
    }

  private:
    void Frame() {
        skin::CaptionState state;
        state.Active = true;
        state.MaximiseBox = state.MinimiseBox = state.SystemMenu = true;
        state.Kind = skin::FrameKind::Fixed;
        std::vector<skin::TCaptionButton> buttons = skin::MakeCaptionButtons(snapshot_);
        skin::PaintFrame(window_, skin_, metrics_, state, buttons, "Lexora电子版 2007", caption_,
                         icon_, look_);
        // The pointer rests on the close button.
        for (const skin::TCaptionButton& b : buttons) {
            if (b.Visible && b.Button().Action == 0)
                skin::DrawCaptionButton(window_, b, 3, icon_);
        }
    }

    void MenuBar(Rect band) {
        std::vector<skin::TMenuBarButton> buttons;
        for (const char* caption : {"功能", "设置", "换肤", "帮助"}) {
            skin::TMenuBarButton b;
            b.Caption = caption;
            buttons.push_back(b);
        }
        const Bitmap background =
            skin::PaintMenuBand(window_, {band}, skin_, buttons, {}, font_, look_);
        buttons[1].State = skin::ElementState::Pressed;  // its menu is open
        skin::PaintMenuBarButton(window_, background, band, buttons[1], skin_, font_, look_);
        menuOrigin_ = buttons[1].Place;
    }

    void Controls(int x, int y) {
        const Colour text = skin::ResolveColour(skin_.Colours.ButtonText, look_);
        const auto box = [&](Rect r, const char* caption) {
            skin::PaintGroupBox(window_, skin::Offset(r, x, y), skin_, caption, text, false, font_,
                                look_);
        };
        box({8, 256, 226, 328}, "关键字查询");
        box({8, 6, 226, 250}, "查询结果");
        box({234, 6, 552, 234}, "详细解释");
        box({234, 240, 552, 328}, "选项");

        // The keyword box and its button.
        const Rect combo = skin::Offset({18, 282, 122, 303}, x, y);
        skin::FillRect(window_, combo, pixels::MakePixel(255, 255, 255));
        font_.Draw(window_, {combo.left + 4, combo.top, combo.right, combo.bottom}, "画蛇添足",
                   text, skin::TextAlign::Left);
        skin::PaintComboBox(window_, combo, {}, skin_, look_);
        Button(skin::Offset({130, 280, 215, 305}, x, y), "查询", {false, true, false, true});

        // The result list with its scroll bar.
        const Rect list = skin::Offset({18, 28, 216, 240}, x, y);
        Field(window_, list, pixels::MakePixel(255, 255, 255), skin_, look_);
        const char* idioms[] = {"画饼充饥", "画地为牢", "画虎类犬", "画龙点睛", "画蛇添足",
                                "画荻教子", "画栋雕梁", "画脂镂冰", "画中有诗", "画阁朱楼",
                                "画虎不成", "画水无风", "画影图形", "画眉举案", "画荻和丸",
                                "画鼓雷鸣", "画若鸿沟", "画龙刻鹄"};
        int row = list.top + 3;
        for (int i = 0; i < 18 && row + 15 < list.bottom - 2; ++i, row += 15) {
            const Rect line{list.left + 2, row, list.right - 19, row + 15};
            const bool chosen = i == 8;
            if (chosen)
                skin::FillRect(
                    window_, line,
                    Resolved(skin::SystemColour(skin::SystemColourIndex::Highlight), look_));
            font_.Draw(window_, {line.left + 2, line.top, line.right, line.bottom}, idioms[i],
                       chosen ? look_.SystemColourValue(14) : look_.SystemColourValue(8),
                       skin::TextAlign::Left);
        }
        skin::ScrollBarState vertical;
        vertical.Vertical = true;
        vertical.ThumbStart = 40;
        vertical.ThumbEnd = 110;
        vertical.Hot = skin::ScrollPart::Thumb;
        skin::PaintScrollBar(window_,
                             {list.right - 19, list.top + 2, list.right - 2, list.bottom - 2},
                             skin_, vertical, 17, look_);

        // The entry, on the tooltip colour, with a horizontal scroll bar.
        const Rect entry = skin::Offset({244, 28, 542, 224}, x, y);
        Field(window_, entry, pixels::MakePixel(255, 255, 225), skin_, look_);
        const char* lines[] = {"画蛇添足",
                               "HSTZ",
                               "huà shé tiān zú",
                               "【典故】楚有祠者，赐其舍人卮酒。",
                               "【出处】《战国策·齐策二》",
                               "【例子】这段话是画蛇添足。"};
        row = entry.top + 6;
        for (const char* l : lines) {
            font_.Draw(window_, {entry.left + 8, row, entry.right - 4, row + 16}, l,
                       skin::MakeColour(0, 0, 0), skin::TextAlign::Left);
            row += 22;
        }
        skin::ScrollBarState horizontal;
        horizontal.Vertical = false;
        horizontal.ThumbStart = 17;
        horizontal.ThumbEnd = 180;
        skin::PaintScrollBar(window_,
                             {entry.left + 2, entry.bottom - 19, entry.right - 2, entry.bottom - 2},
                             skin_, horizontal, 17, look_);

        // Options.
        Check(skin::Offset({246, 258, 400, 274}, x, y), false, "在托盘区显示图标", true);
        Check(skin::Offset({246, 280, 400, 296}, x, y), true, "最小化时到托盘区", true);
        Check(skin::Offset({246, 302, 400, 318}, x, y), false, "开机自动启动", false);
        Button(skin::Offset({440, 258, 530, 283}, x, y), "确定", {false, false, true, true});
        Button(skin::Offset({440, 292, 530, 317}, x, y), "取消", {});

        const Rect bar{x, y + kClient.height - 19, x + kClient.width, y + kClient.height};
        skin::StatusBarFacts status;
        status.panels = {{{0, 2, 300, 19}, skin::PanelBevel::Lowered, true, "共找到 18 条成语"},
                         {{302, 2, kClient.width, 19},
                          skin::PanelBevel::Lowered,
                          true,
                          "Lexora电子版",
                          skin::TextAlign::Right}};
        status.fontColour = skin_.Colours.ButtonText;
        skin::PaintStatusBar(window_, bar, status, skin_, font_, look_);
    }

    void Button(Rect r, const char* caption, skin::ButtonState state) {
        skin::PushButtonFacts button;
        button.state = state;
        button.caption = caption;
        button.fontColour = skin_.Colours.ButtonText;
        button.background = skin_.Colours.ButtonFace;
        skin::PaintPushButton(window_, r, button, skin_, font_, look_);
    }

    void Check(Rect r, bool radio, const char* caption, bool checked) {
        skin::ToggleFacts toggle;
        toggle.radio = radio;
        toggle.mark = checked ? skin::CheckMark::Checked : skin::CheckMark::Unchecked;
        toggle.caption = caption;
        toggle.fontColour = skin_.Colours.ButtonText;
        skin::PaintToggleButton(window_, r, toggle, skin_, font_, look_);
    }

    // The drop-down menu of the open menu-bar button, to stand below it.
    Bitmap Menu(int left, int top) {
        struct Entry {
            const char* caption;
            bool checked;
        };
        const Entry entries[] = {{"在托盘区显示图标", true},
                                 {"最小化时到托盘区", true},
                                 {"-", false},
                                 {"开机自动启动", false}};
        int height = 0;
        for (const Entry& e : entries)
            height += e.caption[0] == '-' ? kSeparatorHeight : kMenuItemHeight;
        const skin::Size size{176, height + 2 * skin::kMenuBorder};
        Bitmap menu = skin::PaintMenuBackground(size, skin_, look_);
        const Bitmap background = menu;
        const skin::MenuItemSources sources{.Skin = skin_,
                                            .Look = look_,
                                            .Fonts = {menuFont_, menuBold_},
                                            .CheckMark = &checkMark_,
                                            .Background = &background};
        int y = 0;
        for (size_t i = 0; i < std::size(entries); ++i) {
            const bool separator = entries[i].caption[0] == '-';
            const int h = separator ? kSeparatorHeight : kMenuItemHeight;
            skin::MenuItemFacts item;
            item.Text.Caption = entries[i].caption;
            item.Checked = entries[i].checked;
            item.Selected = i == 1;
            const Rect place{0, y, size.width - 2 * skin::kMenuBorder, y + h};
            menuFont_.MoveBy(kMargin + left + skin::kMenuBorder,
                             kMargin + top + skin::kMenuBorder + y);
            const Bitmap composed = skin::ComposeMenuItem(place, item, sources);
            skin::DrawBitmap(menu, skin::kMenuBorder, skin::kMenuBorder + y, composed,
                             {0, 0, composed.Width(), composed.Height()}, false);
            y += h;
        }
        menuPlace_ = {left, top, left + size.width, top + size.height};
        return menu;
    }

    // The window with its outline and a soft shadow, on the desktop.
    Picture OnDesktop() {
        const int w = size_.width + 2 * kMargin, h = size_.height + 2 * kMargin;
        Bitmap picture(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int k = 255 * y / h;
                picture.At(x, y) = pixels::MakePixel(150 - k / 6, 170 - k / 8, 186 - k / 10);
            }
        }
        const skin::PixelMask outline =
            skin::BuildWindowOutline(skin_, metrics_, skin::FrameKind::Fixed, size_, true);
        Shadow(picture, outline);
        for (int y = 0; y < size_.height; ++y) {
            for (int x = 0; x < size_.width; ++x) {
                if (outline.Contains(x, y))
                    picture.At(kMargin + x, kMargin + y) = window_.At(x, y);
            }
        }
        Picture out;
        out.window = std::move(picture);
        out.windowText = std::move(windowText_);
        return out;
    }

    // Darkens the desktop under the window, offset and blurred.
    void Shadow(Bitmap& picture, const skin::PixelMask& outline) const {
        const int w = picture.Width(), h = picture.Height();
        std::vector<float> cover(static_cast<size_t>(w) * h, 0);
        for (int y = 0; y < size_.height; ++y) {
            for (int x = 0; x < size_.width; ++x) {
                if (outline.Contains(x, y) || (menuPlace_.left <= x && x < menuPlace_.right &&
                                               menuPlace_.top <= y && y < menuPlace_.bottom))
                    cover[static_cast<size_t>(kMargin + y + 5) * w + kMargin + x + 3] = 1;
            }
        }
        for (int pass = 0; pass < 3; ++pass)
            cover = Blur(cover, w, h, 4);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const float k = 1 - 0.45f * cover[static_cast<size_t>(y) * w + x];
                const Pixel p = picture.At(x, y);
                picture.At(x, y) = pixels::MakePixel(static_cast<uint8_t>(pixels::Red(p) * k),
                                                     static_cast<uint8_t>(pixels::Green(p) * k),
                                                     static_cast<uint8_t>(pixels::Blue(p) * k));
            }
        }
    }

    static std::vector<float> Blur(const std::vector<float>& in, int w, int h, int r) {
        std::vector<float> across(in.size()), out(in.size());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int d = -r; d <= r; ++d)
                    sum += in[static_cast<size_t>(y) * w + std::clamp(x + d, 0, w - 1)];
                across[static_cast<size_t>(y) * w + x] = sum / (2 * r + 1);
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int d = -r; d <= r; ++d)
                    sum += across[static_cast<size_t>(std::clamp(y + d, 0, h - 1)) * w + x];
                out[static_cast<size_t>(y) * w + x] = sum / (2 * r + 1);
            }
        }
        return out;
    }

    skin::SkinSnapshot snapshot_;
    const skin::SkinDefinition& skin_;
    PreviewLook look_;
    skin::FrameMetrics metrics_;
    skin::Size size_;
    Bitmap window_;
    std::string windowText_;
    std::string menuText_;
    RecordedText caption_;
    RecordedText font_;
    RecordedText menuFont_;
    RecordedText menuBold_;
    Bitmap icon_ = SealIcon();
    Bitmap checkMark_ = CheckMark();
    Rect menuOrigin_;
    Rect menuPlace_;
};

}  // namespace

Picture ComposePreview(const skin::SkinSnapshot& skin) {
    return Composer(skin).Compose();
}

}  // namespace preview
