#include "skin/skin_definition.h"

#include <algorithm>
#include <array>
#include <optional>

#include "skin/blend.h"
#include "skin/pixel_ops.h"
#include "skin/rgb_triple.h"
#include "skin/skin_object_drawing.h"
#include "text/text_rules.h"

namespace skin {

using pixels::kMagenta;
using pixels::Pixel;

namespace {

// The size of each combo box picture that the loader composes for a skin with
// both SunkEdge and ComboButton, and of the arrow cut out of it.
constexpr int kComboWidth = 50;
constexpr int kComboHeight = 21;
constexpr int kComboArrowSide = 17;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Each state of a picture whose `frames` states lie side by side, mirrored
// in its place, so that state i of the result is state i turned around.
Bitmap MirrorEachState(const Bitmap& image, int frames) {
    Bitmap out = image;
    for (int state = 1; state <= std::max(frames, 1); ++state) {
        const Rect r = SliceRect(image, frames, state, SliceLayout::SideBySide);
        DrawBitmap(out, r.left, r.top, Mirror(Crop(image, r)), {0, 0, r.Width(), r.Height()},
                   false);
    }
    return out;
}

// The colour's strength for the toolbar gradient: how far its components
// spread, 0 to 255, for a colour with a component of 160 or more; 200 for
// darker colours. Halves round to even.
int ColourStrength(Colour c) {
    const int r = ColourRed(c), g = ColourGreen(c), b = ColourBlue(c);
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high < 160)
        return 200;
    const int numerator = 255 * (high - low);
    int strength = numerator / high;
    const int twice = 2 * (numerator % high);
    if (twice > high || (twice == high && strength % 2 == 1))
        ++strength;
    return strength;
}

class DefinitionReader {
  public:
    DefinitionReader(const TSkinIni& ini, const DefinitionSources& sources, SkinDefinition& skin)
        : ini_(ini), sources_(sources), skin_(skin) {}

    void Read() {
        sections_ = ini_.ReadSections();
        skin_.SkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");
        ReadBorder("Left", skin_.Left);
        ReadBorder("Right", skin_.Right);
        ReadBorder("Top", skin_.Top);
        ReadBorder("Bottom", skin_.Bottom);
        ReadColours();
        ReadCaptionButtons();
        ReadMdiButtons();
        ReadButtons();
        ReadTitle();
        ReadProgress();
        ReadGeneric("Progress.Chunk", skin_.ProgressChunk);
        ReadMenuBar();
        ReadGeneric("GroupBoxEdge", skin_.GroupBoxEdge);
        ReadGroupBox();
        ReadBordered("Tabs", "Border", skin_.Tabs);
        ReadGeneric("StatusBarEdges", skin_.StatusBarEdges);
        ReadTabPane();
        ReadGeneric("ToolBars", skin_.ToolBars);
        ReadBordered("ComboButton", "", skin_.ComboButton);
        ReadGeneric("SunkEdge", skin_.SunkEdge);
        if (skin_.ComboButton && !skin_.ComboButton->Image.Empty()) {
            // The combo button has four states (fixed below).
            skin_.ComboButton->Image2 = MirrorEachState(skin_.ComboButton->Image, 4);
        }
        ReadGeneric("ExtraImages", skin_.ExtraImages);
        ReadGeneric("Headerbar", skin_.Headerbar);
        ReadGeneric("MenuItem", skin_.MenuItem);
        ReadGeneric("MenuBackground", skin_.MenuBackground);
        ReadGeneric("Scrollbar", skin_.Scrollbar);
        ReadGeneric("HorzScroll", skin_.HorzScroll);
        ReadGeneric("VertScroll", skin_.VertScroll);
        ReadScrollThumb("HorzScrollThumb", skin_.HorzScrollThumb);
        ReadScrollThumb("VertScrollThumb", skin_.VertScrollThumb);
        ReadGeneric("Trackbar.ThumbHorz", skin_.TrackbarThumbHorz);
        ReadGeneric("Trackbar.ThumbVert", skin_.TrackbarThumbVert);
        ReadGeneric("Trackbar.ThumbLeft", skin_.TrackbarThumbLeft);
        ReadGeneric("Trackbar.ThumbRight", skin_.TrackbarThumbRight);
        ReadGeneric("Trackbar.ThumbUp", skin_.TrackbarThumbUp);
        ReadGeneric("Trackbar.ThumbDown", skin_.TrackbarThumbDown);
        ReadBordered("UpDown.Horz", "GlyphImage", skin_.UpDownHorz);
        ReadBordered("UpDown.Vert", "GlyphImage", skin_.UpDownVert);
        ReadTrack("Track", "TRACK", skin_.Track);
        ReadTrack("TRACKVERT", "TRACKVERT", skin_.TrackVert);
        FixFrameCounts();
        if (skin_.ComboButton && skin_.SunkEdge) {
            ComposeComboBox();
        } else if (skin_.ComboButton) {
            MakeComboArrowFromButton();
        } else {
            // Without a combo button there is no arrow; an earlier skin's
            // must not stay behind.
            skin_.ComboxArrow = TSkinObject();
        }
        const Colour caption = SampledCaptionColour();
        MakeToolbarGradient(caption);
        skin_.Colours.Caption = caption;
    }

  private:
    std::string String(std::string_view section, std::string_view key) const {
        return ini_.ReadString(section, key, "");
    }
    int Integer(std::string_view section, std::string_view key, int def = 0) const {
        return ini_.ReadInteger(section, key, def);
    }
    Bitmap Picture(std::string_view section, std::string_view key) const {
        return LoadBitmapReference(String(section, key), sources_.members);
    }
    // An RGB triple, or `def` when the key is absent or empty.
    Colour Rgb(std::string_view section, std::string_view key, Colour def,
               bool* given = nullptr) const {
        const std::string value = String(section, key);
        if (given)
            *given = !value.empty();
        return value.empty() ? def : ParseRgbTriple(value);
    }

    void ReadBorder(const std::string& name, TSkinBorderObject& border) {
        const std::string section = "Personality";
        border.Name = name;
        border.Image = Picture(section, name);
        const int first = Integer(section, name + "TopHeight");
        const int second = Integer(section, name + "BotHeight");
        border.Frame = Integer(section, name + "Frame", 1);
        border.Tile = std::min(Integer(section, name + "Stretch", 1), 1);
        border.Trans = Integer(section, name + "Trans", 1);
        const bool side = name == "Left" || name == "Right";
        border.TopHeight = side ? first : 0;
        border.BottomHeight = side ? second : 0;
        border.LeftWidth = side ? 0 : first;
        border.RightWidth = side ? 0 : second;
    }

    void ReadColours() {
        SkinColours& c = skin_.Colours;
        const std::string s = "Colours";
        using I = SystemColourIndex;
        c.WindowText = Rgb(s, "WindowText", SystemColour(I::WindowText));
        c.ButtonFace = Rgb(s, "ButtonFace", SystemColour(I::ButtonFace));
        c.Scrollbar = Rgb(s, "Scrollbar", SystemColour(I::ScrollBar));
        c.HilightText = Rgb(s, "HilightText", SystemColour(I::HighlightText));
        c.Hilight = Rgb(s, "Hilight", SystemColour(I::Highlight));
        c.Menubar = Rgb(s, "Menubar", c.ButtonFace);
        c.Menu = Rgb(s, "Menu", SystemColour(I::Menu));
        c.MenuText = Rgb(s, "MenuText", SystemColour(I::MenuText));
        c.ButtonText = Rgb(s, "ButtonText", SystemColour(I::ButtonText));
        c.ButtonHilight = Rgb(s, "ButtonHilight", SystemColour(I::ButtonHighlight));
        c.Buttonlight = Rgb(s, "Buttonlight", SystemColour(I::ButtonHighlight));
        c.ButtonShadow = Rgb(s, "ButtonShadow", SystemColour(I::ButtonShadow));
        c.ButtonDkShadow = Rgb(s, "ButtonDkShadow", SystemColour(I::DarkShadow3D));
        c.MenuBarText = Rgb(s, "MenuBarText", SystemColour(I::MenuText));
        c.TitleTextActive = Rgb(s, "TitleTextActive", SystemColour(I::CaptionText));
        c.TitleTextNoActive = Rgb(s, "TitleTextNoActive", SystemColour(I::InactiveCaptionText));

        c.Extra.clear();
        for (const std::string& section : sections_) {
            const std::string upper = text::UpperAscii(section);
            if (StartsWith(upper, "COLOUR") && upper != "COLOURS")
                c.Extra.push_back(Rgb(section, "color", SystemColour(I::WindowText)));
        }
        for (size_t i = 0; i < c.Custom.size(); ++i)
            c.Custom[i] = Rgb("Customcolors", "Color" + std::to_string(i), kWhite);
    }

    void ReadCaptionButtons() {
        skin_.CaptionButtons.clear();
        for (const std::string& section : sections_) {
            const std::string upper = text::UpperAscii(section);
            if (!StartsWith(upper, "BUTTON") || upper == "BUTTON" || upper == "BUTTONS" ||
                upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX") {
                continue;
            }
            TSkinSysButtonObject b;
            b.Name = upper;
            b.Action = Integer(section, "Action");
            b.Visibility = Integer(section, "Visibility", -1);
            if (b.Action == -1 && b.Visibility != 0)
                continue;
            b.Align = Integer(section, "Align");
            b.Xcoord = Integer(section, "Xcoord");
            b.Ycoord = Integer(section, "Ycoord");
            b.Visibility1 = Integer(section, "Visibility1", b.Action == -1 ? -1 : 0);
            b.CombineOp = Integer(section, "CombineOp", -1);
            b.Frame = Integer(section, "frame");
            b.Image = Picture(section, "ButtonImage");
            if (b.Frame == 0) {
                b.Frame = 6;
                if (!b.Image.Empty()) {
                    // width / height <= 3.8, in integers
                    b.Frame = 5 * b.Image.Width() <= 19 * b.Image.Height() ? 3 : 6;
                    if (b.Action < 0)
                        b.Frame = 6;
                }
                if (b.Action == 3 || b.Action == 11)
                    b.Image = Bitmap();
            }
            skin_.CaptionButtons.push_back(std::move(b));
        }
    }

    void ReadMdiButtons() {
        const Bitmap strip = Picture("MDICONTROLS", "Image");
        const int column = strip.Width() / 12;
        for (int i = 0; i < 3; ++i) {
            TSkinSysButtonObject b;
            b.Name = "MDICONTROLS";
            b.Action = 7 + i;
            b.Align = b.Visibility = b.Visibility1 = 100;
            b.CombineOp = -1;
            b.Frame = 4;
            if (!strip.Empty()) {
                b.Image = Crop(strip, {4 * column * i, 0, 4 * column * (i + 1), strip.Height()});
                b.Xcoord = (column + 4) * (3 - i);
            }
            skin_.CaptionButtons.push_back(std::move(b));
        }
    }

    void ReadButtons() {
        TSkinButtonObject& b = skin_.Buttons;
        const std::string s = "Buttons";
        b.Name = s;
        b.LeftWidth = Integer(s, "LeftWidth");
        b.RightWidth = Integer(s, "RightWidth");
        b.TopHeight = Integer(s, "TopHeight");
        b.BottomHeight = Integer(s, "BottomHeight");
        b.Trans = Integer(s, "Trans");
        b.Image = Picture(s, "Bitmap");
        b.Tile = TileOf(s);
        b.CheckBoxImage = Picture(s, "CheckButton");
        b.RadioButtonImage = Picture(s, "RadioButton");
        b.NormalColour = Integer(s, "NormalColour", -1);
        b.MouseOverColour = Integer(s, "MouseOverColour", -1);
        b.PressedColour = Integer(s, "PressedColour", -1);
        b.RadioButtonFrame = Integer(s, "RadioButtonFrame");
        b.CheckButtonFrame = Integer(s, "CheckButtonFrame");
        const Colour text = skin_.Colours.ButtonText;
        b.NormalColour2 = Rgb(s, "NormalColour2", text, &b.HasNormalColour2);
        b.MouseOverColour2 = Rgb(s, "MouseOverColour2", text, &b.HasMouseOverColour2);
        b.PressedColour2 = Rgb(s, "PressedColour2", text, &b.HasPressedColour2);
    }

    void ReadTitle() {
        TSkinTitleObject& t = skin_.Title;
        const std::string s = "Personality";
        t.Name = "Title";
        t.Image = Picture(s, "TextBack");
        t.LeftWidth = Integer(s, "TextShift");
        t.TopHeight = Integer(s, "TextShiftVert");
        t.RightWidth = Integer(s, "TextRightClip");
        t.TextAlignment = Integer(s, "TextAlignment");
        t.Textbackground = Integer(s, "Textbackground");
        t.TXTBackleft = Integer(s, "TXTBackleft");
        t.TXTBackRight = Integer(s, "TXTBackRight");
        t.FontHeight = Integer("Fonts", "FontHeight", 14);
        t.ActiveTextColour = TextColour("ActiveText");
        t.InactiveTextColour = TextColour("InActiveText");
    }

    // The colour of the keys prefix + "R", "G" and "B" when all three are
    // given and none is negative.
    Colour TextColour(const std::string& prefix) const {
        std::array<int, 3> parts{};
        const std::array<const char*, 3> letters = {"R", "G", "B"};
        for (size_t i = 0; i < parts.size(); ++i) {
            parts[i] = Integer("Personality", prefix + letters[i], -1);
            if (parts[i] < 0)
                return TSkinTitleObject::kNotGiven;
        }
        return MakeColour(static_cast<uint8_t>(parts[0]), static_cast<uint8_t>(parts[1]),
                          static_cast<uint8_t>(parts[2]));
    }

    void ReadProgress() {
        skin_.Progress.reset();
        const std::string s = "Progress";
        if (String(s, "Bitmap").empty())
            return;
        auto p = std::make_unique<TSkinBorderObject>();
        p->Name = s;
        p->Image = Picture(s, "Bitmap");
        p->Style = Integer(s, "Style");
        p->LeftWidth = Integer(s, "LeftWidth");
        p->RightWidth = Integer(s, "RightWidth");
        p->TopHeight = Integer(s, "TopHeight");
        p->BottomHeight = Integer(s, "BottomHeight");
        p->Trans = Integer(s, "Trans");
        p->Tile = std::min(Integer(s, "Tile"), 1);
        skin_.Progress = std::move(p);
    }

    // Tile values above 1 mean 0 (stretching) for the ordinary objects.
    int TileOf(std::string_view section) const {
        const int tile = Integer(section, "Tile");
        return tile > 1 ? 0 : tile;
    }

    // The keys every ordinary object has; Frame only where `withFrame`.
    void ReadCommonKeys(std::string_view section, TSkinObject& o, bool withFrame) const {
        o.Name = std::string(section);
        o.Image = Picture(section, "Image");
        o.Style = Integer(section, "Style");
        o.LeftWidth = Integer(section, "LeftWidth");
        o.RightWidth = Integer(section, "RightWidth");
        o.TopHeight = Integer(section, "TopHeight");
        o.BottomHeight = Integer(section, "BottomHeight");
        if (withFrame)
            o.Frame = Integer(section, "Frame");
        o.Trans = Integer(section, "Trans");
        o.Tile = TileOf(section);
        o.NormalColour = Integer(section, "NormalColour", -1);
        o.MouseOverColour = Integer(section, "MouseOverColour", -1);
        o.PressedColour = Integer(section, "PressedColour", -1);
        const Colour text = skin_.Colours.ButtonText;
        o.NormalColour2 = Rgb(section, "NormalColour2", text);
        o.MouseOverColour2 = Rgb(section, "MouseOverColour2", text);
        o.PressedColour2 = Rgb(section, "PressedColour2", text);
    }

    bool HasImageKey(std::string_view section) const { return !String(section, "Image").empty(); }

    template <class Object>
    void ReadGeneric(std::string_view section, std::unique_ptr<Object>& slot) {
        slot.reset();
        if (!HasImageKey(section))
            return;
        slot = std::make_unique<Object>();
        ReadCommonKeys(section, *slot, true);
    }

    void ReadBordered(std::string_view section, std::string_view secondKey,
                      std::unique_ptr<TSkinBorderObject>& slot) {
        slot.reset();
        if (!HasImageKey(section))
            return;
        slot = std::make_unique<TSkinBorderObject>();
        ReadCommonKeys(section, *slot, false);
        if (!secondKey.empty())
            slot->Image2 = Picture(section, secondKey);
    }

    void ReadMenuBar() {
        skin_.MenuBar.reset();
        const std::string s = "Personality";
        if (String(s, "menuBar").empty())
            return;
        auto m = std::make_unique<TSkinObject>();
        m->Name = s;
        m->Image = Picture(s, "menuBar");
        m->Tile = std::min(Integer(s, "TileMenu", 1), 1);
        m->LeftWidth = Integer(s, "TileLeftMenu", 1);
        m->RightWidth = Integer(s, "TileRightMenu", 1);
        skin_.MenuBar = std::move(m);
    }

    void ReadGroupBox() {
        skin_.GroupBox.reset();
        const std::string s = "GroupBox";
        if (!HasImageKey(s))
            return;
        auto g = std::make_unique<TSkinBoxLabelObject>();
        ReadCommonKeys(s, *g, false);
        g->BackgroundAlignment = Integer(s, "BackgroundAlignment");
        g->BackgroundLeftShift = Integer(s, "BackgroundLeftShift");
        g->BackgroundRightShift = Integer(s, "BackgroundRightShift");
        skin_.GroupBox = std::move(g);
    }

    void ReadTabPane() {
        ReadGeneric("Tab.Pane", skin_.TabPane);
        if (!skin_.TabPane)
            return;
        TSkinObject& p = *skin_.TabPane;
        for (int* margin : {&p.LeftWidth, &p.RightWidth, &p.TopHeight, &p.BottomHeight})
            *margin = std::min(*margin, 4);
    }

    void ReadScrollThumb(std::string_view section, std::unique_ptr<TSkinObject>& slot) {
        ReadGeneric(section, slot);
        if (slot)
            slot->Frame = Integer(section, "FrameCount", 3);
    }

    void ReadTrack(std::string_view section, const char* resource,
                   std::unique_ptr<TSkinObject>& slot) {
        ReadGeneric(section, slot);
        if (slot)
            return;
        std::optional<Bitmap> builtIn = sources_.resources.Load(resource);
        if (!builtIn)
            return;
        slot = std::make_unique<TSkinObject>();
        slot->Name = std::string(section);
        slot->Image = std::move(*builtIn);
        slot->LeftWidth = slot->TopHeight = slot->RightWidth = slot->BottomHeight = 3;
        slot->Tile = 0;
        slot->Frame = 1;
        const Colour text = skin_.Colours.ButtonText;
        slot->NormalColour2 = slot->MouseOverColour2 = slot->PressedColour2 = text;
    }

    void FixFrameCounts() {
        TSkinButtonObject& b = skin_.Buttons;
        b.Frame = 5;
        b.RadioButtonFrame = ToggleFrames(b.RadioButtonFrame, b.RadioButtonImage);
        b.CheckButtonFrame = ToggleFrames(b.CheckButtonFrame, b.CheckBoxImage);
        skin_.Title.Frame = 2;
        if (skin_.Progress)
            skin_.Progress->Frame = skin_.Progress->Style != 0 ? 1 : 2;
        SetFrames(skin_.MenuBar, 2);
        SetFrames(skin_.GroupBoxEdge, 2);
        for (auto* slot :
             {&skin_.ToolBars, &skin_.ExtraImages, &skin_.MenuItem, &skin_.TrackbarThumbHorz,
              &skin_.TrackbarThumbVert, &skin_.TrackbarThumbLeft, &skin_.TrackbarThumbRight,
              &skin_.TrackbarThumbUp, &skin_.TrackbarThumbDown}) {
            SetFrames(*slot, 5);
        }
        if (skin_.Tabs)
            skin_.Tabs->Frame = 5;
        if (skin_.Headerbar && skin_.Headerbar->Frame == 0)
            skin_.Headerbar->Frame = 5;
        SetFrames(skin_.TabPane, 1);
        SetFrames(skin_.MenuBackground, 1);
        if (skin_.GroupBox)
            skin_.GroupBox->Frame = 1;
        SetFrames(skin_.StatusBarEdges, 3);
        if (skin_.ComboButton)
            skin_.ComboButton->Frame = 4;
        SetFrames(skin_.SunkEdge, 4);
        SetFrames(skin_.HorzScroll, 4);
        SetFrames(skin_.VertScroll, 4);
        SetFrames(skin_.Scrollbar, 23);
        if (skin_.UpDownHorz)
            skin_.UpDownHorz->Frame = 8;
        if (skin_.UpDownVert)
            skin_.UpDownVert->Frame = 8;
    }

    static void SetFrames(std::unique_ptr<TSkinObject>& slot, int frames) {
        if (slot)
            slot->Frame = frames;
    }

    // The states of a check-box or radio-button picture: as given, else
    // judged from the picture's shape, and never fewer than 4 when judged.
    static int ToggleFrames(int given, const Bitmap& image) {
        if (given > 0)
            return given;
        const int judged = image.Height() < 16 ? image.Width() / 13 : image.Width() / 16;
        return std::max(judged, 4);
    }

    Pixel ButtonFacePixel() const {
        return ColourToPixel(ResolveColour(skin_.Colours.ButtonFace, sources_.look));
    }

    // A combo box picture per state: the sunken edge over the whole, the
    // button over a strip at the right, the arrow glyph on the button, and a
    // transparent inside where the edit field shows through.
    void ComposeComboBox() {
        TSkinBorderObject& button = *skin_.ComboButton;
        TSkinObject& edge = *skin_.SunkEdge;
        const int strip = sources_.look.HorzScrollArrowWidth() + 2;
        const int states = std::max(edge.Frame, 1);
        Bitmap pictures(kComboWidth * states, kComboHeight, kMagenta);
        for (int state = 1; state <= states; ++state) {
            Bitmap picture(kComboWidth, kComboHeight, kMagenta);
            DrawObjectState(picture, {0, 0, kComboWidth, kComboHeight}, edge, state);
            const Rect buttonArea = {kComboWidth - strip, 0, kComboWidth, kComboHeight};
            DrawObjectState(picture, buttonArea, button, state);
            if (skin_.ExtraImages && !skin_.ExtraImages->Image.Empty()) {
                const TSkinObject& glyphs = *skin_.ExtraImages;
                const Rect glyph =
                    SliceRect(glyphs.Image, glyphs.Frame, state, SliceLayout::SideBySide);
                const int x = buttonArea.left + (strip - 2 - glyph.Width()) / 2;
                const int y = (kComboHeight - glyph.Height()) / 2;
                DrawBitmap(picture, x, y, glyphs.Image, glyph, true);
            }
            const Bitmap inside(kComboWidth - strip - 4, kComboHeight - 4, kMagenta);
            DrawBitmap(picture, 2, 2, inside, {0, 0, inside.Width(), inside.Height()}, false);
            DrawBitmap(pictures, kComboWidth * (state - 1), 0, picture,
                       {0, 0, kComboWidth, kComboHeight}, false);
        }
        button.Image = pictures;
        button.Style = 2;
        button.LeftWidth = 2;
        button.RightWidth = strip + 2;
        edge.Image = MirrorEachState(pictures, states);
        edge.LeftWidth = strip + 2;
        edge.RightWidth = 2;

        Bitmap arrows(kComboArrowSide * states, kComboArrowSide);
        for (int i = 0; i < states; ++i) {
            const int x = (i + 1) * kComboWidth - 19;
            DrawBitmap(arrows, kComboArrowSide * i, 0, pictures,
                       {x, 2, x + kComboArrowSide, 2 + kComboArrowSide}, false);
        }
        skin_.ComboxArrow = TSkinObject();
        skin_.ComboxArrow.Name = "ComboxArrow";
        skin_.ComboxArrow.Image = std::move(arrows);
        skin_.ComboxArrow.Frame = states;
    }

    void MakeComboArrowFromButton() {
        const TSkinBorderObject& button = *skin_.ComboButton;
        skin_.ComboxArrow = TSkinObject();
        skin_.ComboxArrow.Name = "ComboxArrow";
        skin_.ComboxArrow.Image = button.Image;
        ReplaceMagenta(skin_.ComboxArrow.Image, ButtonFacePixel());
        skin_.ComboxArrow.Frame = button.Frame;
    }

    // The caption's colour: a pixel a third of the way into the Top border's
    // first state; the button face without a Top picture.
    Colour SampledCaptionColour() const {
        const Bitmap& top = skin_.Top.Image;
        if (top.Empty())
            return skin_.Colours.ButtonFace;
        const int stateHeight = top.Height() / std::max(skin_.Top.Frame, 1);
        return PixelToColour(top.At(top.Width() / 3, stateHeight / 3));
    }

    void MakeToolbarGradient(Colour caption) {
        const SystemLook& look = sources_.look;
        const Colour sampled = ResolveColour(caption, look);
        const int strength = ColourStrength(sampled);
        const Colour bottom = strength > 110
                                  ? Blend(sampled, kWhite, (5625 - 25 * strength) / 140 + 50, look)
                                  : Blend(0x808080, sampled, 150, look);
        const Colour top = Blend(skin_.Colours.ButtonFace, kWhite, 150, look);
        TSkinObject& t = skin_.Toolbar;
        t = TSkinObject();
        t.Name = "Toolbar";
        t.Frame = 1;
        t.Image = Bitmap(10, 40);
        FillVerticalGradient(t.Image, {0, 0, 10, 40}, {0, 0, 10, 40}, top, bottom,
                             sources_.gradients, look);
    }

    const TSkinIni& ini_;
    const DefinitionSources& sources_;
    SkinDefinition& skin_;
    std::vector<std::string> sections_;
};

}  // namespace

SkinDefinition KeptPartsOf(const SkinDefinition& current) {
    SkinDefinition next;
    next.SkinName = current.SkinName;
    next.Colours = current.Colours;
    next.Left = current.Left;
    next.Right = current.Right;
    next.Top = current.Top;
    next.Bottom = current.Bottom;
    next.Buttons = current.Buttons;
    next.Title = current.Title;
    next.ComboxArrow = current.ComboxArrow;
    next.Toolbar = current.Toolbar;
    return next;
}

void ReadSkinDefinition(const TSkinIni& ini, const DefinitionSources& sources,
                        SkinDefinition& skin) {
    DefinitionReader(ini, sources, skin).Read();
}

}  // namespace skin
