#include "preview_controls.h"

#include "preview_look.h"
#include "recorded_text.h"
#include "skin/arrow_button_look.h"
#include "skin/check_box_look.h"
#include "skin/combo_box_look.h"
#include "skin/control_border.h"
#include "skin/control_colours.h"
#include "skin/date_time_look.h"
#include "skin/header_look.h"
#include "skin/media_player_look.h"
#include "skin/progress_look.h"
#include "skin/push_button_look.h"
#include "skin/rect_fill.h"
#include "skin/scroll_bar_look.h"
#include "skin/scroll_bar_window_look.h"
#include "skin/status_bar_look.h"
#include "skin/tab_look.h"
#include "skin/tool_bar_look.h"
#include "skin/track_bar_look.h"
#include "skin/up_down_look.h"

namespace preview {
namespace {

using pixels::Bitmap;
using skin::Look;
using skin::Rect;

constexpr skin::Size kPicture{600, 462};
const pixels::Pixel kWhite = pixels::MakePixel(255, 255, 255);

// A glyph of two states (up, disabled) on the framework's transparent
// colour, the bottom-left pixel: a red seal with a white bar.
Bitmap SealGlyph() {
    Bitmap glyph(32, 16, pixels::MakePixel(0, 128, 128));
    for (int state = 0; state < 2; ++state) {
        const int x = state * 16;
        const pixels::Pixel red =
            state == 0 ? pixels::MakePixel(190, 40, 40) : pixels::MakePixel(140, 140, 140);
        skin::FillRect(glyph, {x + 2, 2, x + 14, 14}, red);
        skin::FillRect(glyph, {x + 5, 7, x + 11, 9}, kWhite);
    }
    return glyph;
}

class Gallery {
  public:
    explicit Gallery(const skin::SkinDefinition& skin)
        : skin_(skin),
          picture_(kPicture.width, kPicture.height, skin::PixelOf(skin.Colours.ButtonFace, look_)),
          font_(12, false, &text_) {}

    ControlsPicture Compose() {
        Buttons(10, 10);
        Toggles(10, 92);
        Fields(10, 160);
        Tabs(10, 200);
        Bars(300, 200);
        Lists(10, 318);
        Bars2(300, 318);
        Status();
        return {std::move(picture_), std::move(text_)};
    }

  private:
    skin::Colour Text() const { return skin_.Colours.ButtonText; }

    skin::ButtonGlyph Glyph() const { return {&glyph_, 2, glyph_.At(0, glyph_.Height() - 1)}; }

    void Button(Rect r, const char* caption, skin::ButtonState state) {
        skin::PushButtonFacts b;
        b.state = state;
        b.caption = caption;
        b.fontColour = Text();
        b.background = skin_.Colours.ButtonFace;
        skin::PaintPushButton(picture_, r, b, skin_, font_, look_);
    }

    void Buttons(int x, int y) {
        Button(skin::Offset({0, 0, 80, 25}, x, y), "确定", {});
        Button(skin::Offset({88, 0, 168, 25}, x, y), "查询", {false, true, false, true});
        Button(skin::Offset({176, 0, 256, 25}, x, y), "取消", {true, true, true, true});
        Button(skin::Offset({264, 0, 344, 25}, x, y), "浏览全部", {false, false, true, true});
        Button(skin::Offset({352, 0, 432, 25}, x, y), "打印", {false, false, false, false});

        Button(skin::Offset({0, 34, 80, 72}, x, y), "第一行||第二行", {});
        skin::PushButtonFacts b;
        b.caption = "保存";
        b.fontColour = Text();
        b.background = skin_.Colours.ButtonFace;
        b.glyph = Glyph();
        skin::PaintPushButton(picture_, skin::Offset({88, 34, 178, 62}, x, y), b, skin_, font_,
                              look_);
        b.state.Enabled = false;
        b.layout = skin::GlyphLayout::Top;
        b.caption = "打印";
        skin::PaintPushButton(picture_, skin::Offset({186, 34, 246, 78}, x, y), b, skin_, font_,
                              look_);
        skin::PushButtonFacts menu;
        menu.caption = "导出";
        menu.dropDown = true;
        menu.state.Hot = true;
        menu.fontColour = Text();
        menu.background = skin_.Colours.ButtonFace;
        skin::PaintPushButton(picture_, skin::Offset({254, 34, 344, 59}, x, y), menu, skin_, font_,
                              look_);

        // Tool buttons on the tool bar's gradient, normal, hot and pressed.
        const Rect bar = skin::Offset({352, 34, 580, 78}, x, y);
        if (skin::ToolBarGetsGradient(skin_, false))
            skin::PaintToolBarBackground(picture_, bar, skin_);
        const char* captions[] = {"复制全部", "导出为文本", "退出软件"};
        const skin::ToolButtonState states[] = {{}, {false, false, true}, {true}};
        for (int i = 0; i < 3; ++i) {
            const Rect button{bar.left + 2 + i * 74, bar.top + 2, bar.left + 2 + i * 74 + 72,
                              bar.bottom - 2};
            const std::optional<Look> look = skin::ToolButtonLook(states[i], skin_);
            if (look)
                skin::PaintToolButton(picture_, button, *look, skin_);
            const skin::Colour text =
                skin::PushButtonTextColour(skin_, look.value_or(Look::Normal), Text(), look_);
            skin::DrawButtonGlyph(picture_, button.left + (button.Width() - 16) / 2, button.top + 4,
                                  Glyph(), 1);
            font_.Draw(picture_, {button.left, button.top + 22, button.right, button.bottom - 2},
                       captions[i], skin::ResolveColour(text, look_), skin::TextAlign::Centre);
        }
    }

    void Toggle(Rect r, bool radio, skin::CheckMark mark, skin::ButtonState state,
                const char* caption) {
        skin::ToggleFacts t;
        t.radio = radio;
        t.mark = mark;
        t.state = state;
        t.caption = caption;
        t.fontColour = Text();
        skin::PaintToggleButton(picture_, r, t, skin_, font_, look_);
    }

    void Toggles(int x, int y) {
        using skin::CheckMark;
        Toggle(skin::Offset({0, 0, 140, 20}, x, y), false, CheckMark::Unchecked, {},
               "在托盘区显示图标");
        Toggle(skin::Offset({150, 0, 290, 20}, x, y), false, CheckMark::Checked,
               {false, true, false, true}, "最小化时到托盘区");
        Toggle(skin::Offset({300, 0, 400, 20}, x, y), false, CheckMark::Indeterminate, {}, "三态");
        Toggle(skin::Offset({410, 0, 520, 20}, x, y), false, CheckMark::Checked,
               {false, false, false, false}, "开机自动启动");
        Toggle(skin::Offset({0, 28, 100, 48}, x, y), true, CheckMark::Unchecked, {}, "默认");
        Toggle(skin::Offset({150, 28, 250, 48}, x, y), true, CheckMark::Checked,
               {false, false, true, true}, "苹果");
        Toggle(skin::Offset({300, 28, 400, 48}, x, y), true, CheckMark::Checked,
               {true, true, false, true}, "圣诞");
    }

    void Field(Rect r, const char* text) {
        skin::FillRect(picture_, r, kWhite);
        font_.Draw(picture_, {r.left + 4, r.top, r.right, r.bottom}, text,
                   skin::MakeColour(0, 0, 0), skin::TextAlign::Left);
    }

    void Fields(int x, int y) {
        const Look looks[] = {Look::Normal, Look::Hot, Look::Disabled};
        for (int i = 0; i < 3; ++i) {
            const Rect combo = skin::Offset({i * 100, 0, i * 100 + 92, 21}, x, y);
            Field(combo, "画蛇添足");
            skin::ComboBoxFacts facts;
            facts.look = looks[i];
            skin::PaintComboBox(picture_, combo, facts, skin_, look_);
        }
        const Rect mirrored = skin::Offset({300, 0, 392, 21}, x, y);
        Field(mirrored, "");
        skin::ComboBoxFacts facts;
        facts.look = Look::Pressed;
        facts.rightToLeft = true;
        skin::PaintComboBox(picture_, mirrored, facts, skin_, look_);

        const Rect date = skin::Offset({400, 0, 500, 21}, x, y);
        Field(date, "2007-05-01");
        skin::PaintDateTimePicker(picture_, date, {}, skin_, look_);
        const Rect edit = skin::Offset({508, 0, 580, 21}, x, y);
        Field(edit, "HSTZ");
        skin::PaintControlBorder(picture_, edit, 2, skin_, look_);
    }

    void Tabs(int x, int y) {
        skin::TabStripFacts tabs;
        tabs.tabs = {
            {{2, 2, 62, 22}, "基本"}, {{62, 2, 122, 22}, "高级"}, {{122, 2, 182, 22}, "关于"}};
        tabs.selected = 0;
        tabs.hot = 1;
        tabs.focused = true;
        tabs.fontColour = Text();
        skin::PaintTabControl(picture_, skin::Offset({0, 0, 270, 84}, x, y), tabs, skin_, font_,
                              look_);
        skin::TabStripFacts set = tabs;
        set.focused = false;
        set.tabs = {{{2, 0, 62, 18}, "第一页"}, {{62, 0, 122, 18}, "第二页"}};
        set.hot = -1;
        set.selected = 1;
        skin::PaintTabSet(picture_, skin::Offset({0, 88, 270, 108}, x, y), set, skin_, font_,
                          look_);
    }

    void Bars(int x, int y) {
        skin::ProgressFacts progress;
        progress.position = 45;
        skin::PaintProgressBar(picture_, skin::Offset({0, 0, 160, 18}, x, y), progress, skin_,
                               look_);
        progress.position = 70;
        progress.smooth = true;
        skin::PaintProgressBar(picture_, skin::Offset({0, 24, 160, 42}, x, y), progress, skin_,
                               look_);
        progress.vertical = true;
        progress.smooth = false;
        progress.position = 60;
        skin::PaintProgressBar(picture_, skin::Offset({170, 0, 188, 84}, x, y), progress, skin_,
                               look_);

        skin::TrackBarFacts track;
        track.channel = {8, 10, 152, 14};
        track.thumb = {60, 2, 71, 22};
        track.ticks = {44, 80, 116};
        track.thumbState.Hot = true;
        skin::PaintTrackBar(picture_, skin::Offset({0, 50, 160, 80}, x, y), track, skin_, look_);
        skin::TrackBarFacts standing;
        standing.vertical = true;
        standing.ticksBoth = true;
        standing.channel = {13, 8, 17, 100};
        standing.thumb = {5, 30, 25, 41};
        standing.thumbState.Focused = true;
        skin::PaintTrackBar(picture_, skin::Offset({200, 0, 230, 108}, x, y), standing, skin_,
                            look_);

        skin::UpDownFacts upDown;
        upDown.hot = skin::UpDownHalf::First;
        skin::PaintUpDown(picture_, skin::Offset({240, 0, 257, 24}, x, y), upDown, skin_, look_);
        upDown.horizontal = true;
        upDown.hot = skin::UpDownHalf::None;
        upDown.pressed = skin::UpDownHalf::Second;
        skin::PaintUpDown(picture_, skin::Offset({240, 30, 272, 46}, x, y), upDown, skin_, look_);

        const skin::ArrowDirection directions[] = {
            skin::ArrowDirection::Up, skin::ArrowDirection::Down, skin::ArrowDirection::Left,
            skin::ArrowDirection::Right};
        for (int i = 0; i < 4; ++i)
            skin::PaintArrowButton(picture_,
                                   skin::Offset({240 + (i % 2) * 19, 56 + (i / 2) * 19,
                                                 257 + (i % 2) * 19, 73 + (i / 2) * 19},
                                                x, y),
                                   directions[i], i == 3 ? Look::Hot : Look::Normal, skin_, look_);
    }

    void Lists(int x, int y) {
        skin::HeaderFacts header;
        header.sections = {{{0, 0, 90, 20}, "成语"},
                           {{90, 0, 180, 20}, "拼音"},
                           {{180, 0, 230, 20}, "首字母", skin::TextAlign::Centre}};
        header.hot = 1;
        skin::PaintHeader(picture_, skin::Offset({0, 0, 270, 20}, x, y), header, skin_, font_,
                          look_);

        // A list with both bars, the corner between them and its border.
        const Rect list = skin::Offset({0, 28, 200, 116}, x, y);
        skin::FillRect(picture_, list, kWhite);
        const char* rows[] = {"画饼充饥", "画地为牢", "画虎类犬", "画龙点睛"};
        for (int i = 0; i < 4; ++i)
            font_.Draw(picture_,
                       {list.left + 5, list.top + 3 + i * 16, list.right, list.top + 19 + i * 16},
                       rows[i], skin::MakeColour(0, 0, 0), skin::TextAlign::Left);
        const Rect vertical{list.right - 19, list.top + 2, list.right - 2, list.bottom - 19};
        const Rect horizontal{list.left + 2, list.bottom - 19, list.right - 19, list.bottom - 2};
        skin::ScrollBarState v;
        v.ThumbStart = 20;
        v.ThumbEnd = 40;
        v.Pressed = skin::ScrollPart::Thumb;
        skin::PaintScrollBar(picture_, vertical, skin_, v, 17, look_);
        skin::ScrollBarState h;
        h.Vertical = false;
        h.ThumbStart = 60;
        h.ThumbEnd = 120;
        h.Hot = skin::ScrollPart::LineDown;
        skin::PaintScrollBar(picture_, horizontal, skin_, h, 17, look_);
        skin::PaintScrollCorner(picture_, skin::ScrollCorner(vertical, horizontal), skin_, look_);
        skin::PaintControlBorder(picture_, list, 2, skin_, look_);

        // A disabled bar and a size box.
        skin::ScrollBarWindowFacts bare;
        bare.bar.Enabled = false;
        skin::PaintScrollBarWindow(picture_, skin::Offset({210, 28, 227, 116}, x, y), bare, skin_,
                                   look_);
        bare.sizeBox = bare.sizeGrip = true;
        skin::PaintScrollBarWindow(picture_, skin::Offset({236, 99, 253, 116}, x, y), bare, skin_,
                                   look_);
    }

    void Bars2(int x, int y) {
        skin::MediaPlayerFacts player;
        using skin::SmallGlyph;
        for (SmallGlyph sign : {SmallGlyph::Play, SmallGlyph::Pause, SmallGlyph::Stop,
                                SmallGlyph::Next, SmallGlyph::Prev, SmallGlyph::Step,
                                SmallGlyph::Back, SmallGlyph::Record, SmallGlyph::Eject})
            player.buttons.push_back({sign, sign != SmallGlyph::Record});
        player.pressed = 0;
        player.hot = 2;
        skin::PaintMediaPlayer(picture_, skin::Offset({0, 0, 270, 28}, x, y), player, skin_, look_);
    }

    void Status() {
        skin::StatusBarFacts bar;
        bar.simple = true;
        bar.simpleText = "共找到 18 条成语";
        bar.sizeGrip = true;
        bar.fontColour = Text();
        skin::PaintStatusBar(picture_, {0, kPicture.height - 19, kPicture.width, kPicture.height},
                             bar, skin_, font_, look_);
    }

    const skin::SkinDefinition& skin_;
    PreviewLook look_;
    Bitmap picture_;
    std::string text_;
    RecordedText font_;
    Bitmap glyph_ = SealGlyph();
};

}  // namespace

ControlsPicture ComposeControls(const skin::SkinDefinition& skin) {
    return Gallery(skin).Compose();
}

}  // namespace preview
