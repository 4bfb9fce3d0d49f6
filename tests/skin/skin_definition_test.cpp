#include <gtest/gtest.h>

#include "fixed_look.h"
#include "skin/pixel_ops.h"
#include "skin/skin_definition.h"
#include "test_skins.h"

using namespace skin;
using skintest::StateColour;
using skintest::States;

namespace {

class SkinDefinitionTest : public ::testing::Test {
  protected:
    // Reads `text` into `skin`, which keeps what earlier reads left in it.
    void Read(std::string_view text) {
        TSkinIni ini;
        ini.LoadFromStream(text);
        const MemberLookup lookup = members.Lookup();
        ReadSkinDefinition(ini, {lookup, look, resources, gradients}, skin);
    }

    skintest::FixedLook look;
    skintest::Members members;
    skintest::Resources resources;
    GradientCache gradients;
    SkinDefinition skin;
};

}  // namespace

TEST(BitmapReference, TakesTheFileNameAndNeedsALowerCaseBmpExtension) {
    EXPECT_EQ(BitmapMemberName("Buttons.bmp"), "Buttons.bmp");
    EXPECT_EQ(BitmapMemberName("skins\\calm\\top.bmp"), "top.bmp");
    EXPECT_EQ(BitmapMemberName("c:top.bmp"), "top.bmp");
    EXPECT_EQ(BitmapMemberName("TOP.BMP"), "");
    EXPECT_EQ(BitmapMemberName("top.Bmp"), "");
    EXPECT_EQ(BitmapMemberName("top.bmp.txt"), "");
    EXPECT_EQ(BitmapMemberName("pictures.bmp\\top"), "");
    EXPECT_EQ(BitmapMemberName("skins\\"), "");
    EXPECT_EQ(BitmapMemberName("top"), "");
    EXPECT_EQ(BitmapMemberName(""), "");
}

TEST_F(SkinDefinitionTest, LoadsReferencedPicturesOnlyWhenTheyAreGoodBmpMembers) {
    members.Add("buttons.bmp", States(1, 5, 4, 4));
    members.AddBytes("broken.bmp", {'B', 'M', 0, 0});
    members.AddBytes("empty.bmp", {});
    Read(
        "[Buttons]\nBitmap=Buttons.bmp\nCheckButton=BUTTONS.BMP\nRadioButton=broken.bmp\n"
        "[Personality]\nLeft=empty.bmp\nRight=missing.bmp\nTop=dir\\buttons.bmp\n");
    EXPECT_EQ(skin.Buttons.Image, States(1, 5, 4, 4));
    EXPECT_TRUE(skin.Buttons.CheckBoxImage.Empty());
    EXPECT_TRUE(skin.Buttons.RadioButtonImage.Empty());
    EXPECT_TRUE(skin.Left.Image.Empty());
    EXPECT_TRUE(skin.Right.Image.Empty());
    EXPECT_EQ(skin.Top.Image.Width(), 20);
}

TEST_F(SkinDefinitionTest, ReadsTheColourSetWithSystemColoursAsDefaults) {
    Read(
        "[Colours]\n"
        "; ButtonFace=1 1 1\n"
        "ButtonFace=236 233 216\n"
        "menutext=1 2 3\n"
        "ButtonShadow=\n"
        "[ColourA]\ncolor=9 8 7\n"
        "[Colours]\nWindowText=5 5 5\n"
        "[COLOURB]\n"
        "[Customcolors]\nColor3=1 1 1\n");
    const SkinColours& c = skin.Colours;
    EXPECT_EQ(c.ButtonFace, 0x00D8E9EC);
    EXPECT_EQ(c.Menubar, 0x00D8E9EC);
    EXPECT_EQ(c.MenuText, MakeColour(1, 2, 3));
    EXPECT_EQ(c.ButtonShadow, SystemColour(SystemColourIndex::ButtonShadow));
    EXPECT_EQ(c.WindowText, SystemColour(SystemColourIndex::WindowText));
    EXPECT_EQ(c.Buttonlight, SystemColour(SystemColourIndex::ButtonHighlight));
    EXPECT_EQ(c.ButtonDkShadow, SystemColour(SystemColourIndex::DarkShadow3D));
    EXPECT_EQ(c.MenuBarText, SystemColour(SystemColourIndex::MenuText));
    EXPECT_EQ(c.TitleTextNoActive, SystemColour(SystemColourIndex::InactiveCaptionText));
    // The COLOUR sections other than COLOURS (in any case), in order; the
    // second [Colours] is neither read nor listed.
    EXPECT_EQ(c.Extra, (std::vector<Colour>{MakeColour(9, 8, 7),
                                            SystemColour(SystemColourIndex::WindowText)}));
    EXPECT_EQ(c.Custom[3], MakeColour(1, 1, 1));
    EXPECT_EQ(c.Custom[0], kWhite);
    EXPECT_EQ(c.Custom[9], kWhite);
}

TEST_F(SkinDefinitionTest, PutsTheBorderHeightsIntoTheMarginsOfTheirSide) {
    members.Add("left.bmp", States(1, 2, 3, 10));
    Read(
        "[Personality]\n"
        "Left=left.bmp\nLeftTopHeight=4\nLeftBotHeight=5\nLeftFrame=2\nLeftStretch=7\n"
        "LeftTrans=0\n"
        "Top=top.bmp\nTopTopHeight=6\nTopBotHeight=8\nTopStretch=0\n");
    const TSkinBorderObject& left = skin.Left;
    EXPECT_EQ(left.Name, "Left");
    EXPECT_EQ(left.GetMargins(), (Margins{0, 4, 0, 5}));
    EXPECT_EQ(left.Frame, 2);
    EXPECT_EQ(left.Tile, 1);
    EXPECT_EQ(left.Trans, 0);
    const TSkinBorderObject& top = skin.Top;
    EXPECT_EQ(top.GetMargins(), (Margins{6, 0, 8, 0}));
    EXPECT_EQ(top.Tile, 0);
    EXPECT_EQ(top.Frame, 1);
    EXPECT_EQ(top.Trans, 1);
    EXPECT_EQ(skin.Bottom.Name, "Bottom");
    EXPECT_EQ(skin.Bottom.Tile, 1);
}

TEST_F(SkinDefinitionTest, JudgesCaptionButtonFramesFromTheirPictures) {
    members.Add("close.bmp", States(1, 3, 10, 10));  // 30 x 10: 3 states
    members.Add("wide.bmp", States(2, 4, 10, 10));   // 40 x 10: 6 states
    members.Add("square.bmp", States(3, 1, 19, 5));  // 19 x 5: exactly 3.8
    Read(
        "[Button1]\nAction=0\nButtonImage=close.bmp\nAlign=1\nXcoord=20\nYcoord=3\n"
        "[button2]\nAction=1\nButtonImage=wide.bmp\n"
        "[Button3]\nAction=2\nButtonImage=square.bmp\n"
        "[Button4]\nAction=3\n"
        "[Button5]\nAction=11\nButtonImage=close.bmp\n"
        "[Button6]\nAction=3\nButtonImage=close.bmp\nframe=2\n"
        "[Button7]\nAction=-2\nButtonImage=close.bmp\n"
        "[Buttons]\n[Button]\n[Button.Radio]\n[BUTTON.CHECKBOX]\n[Buttonx]\nAction=5\n");
    const auto& b = skin.CaptionButtons;
    ASSERT_EQ(b.size(), 8u + 3u);
    EXPECT_EQ(b[0].Name, "BUTTON1");
    EXPECT_EQ(b[0].Frame, 3);
    EXPECT_EQ(b[0].Align, 1);
    EXPECT_EQ(b[0].Xcoord, 20);
    EXPECT_EQ(b[0].Ycoord, 3);
    EXPECT_EQ(b[0].Visibility, -1);
    EXPECT_EQ(b[0].Visibility1, 0);
    EXPECT_EQ(b[0].CombineOp, -1);
    EXPECT_EQ(b[1].Name, "BUTTON2");
    EXPECT_EQ(b[1].Frame, 6);
    EXPECT_EQ(b[2].Frame, 3);
    // The window icon button without a picture or frame key: 6 frames.
    EXPECT_EQ(b[3].Frame, 6);
    EXPECT_TRUE(b[3].Image.Empty());
    // Judged frames drop the icon button's picture; a given frame keeps it.
    EXPECT_EQ(b[4].Frame, 3);
    EXPECT_TRUE(b[4].Image.Empty());
    EXPECT_EQ(b[5].Frame, 2);
    EXPECT_FALSE(b[5].Image.Empty());
    EXPECT_EQ(b[6].Frame, 6);
    EXPECT_EQ(b[7].Name, "BUTTONX");
    EXPECT_EQ(b[8].Action, 7);
}

TEST_F(SkinDefinitionTest, SkipsHiddenPlaceholderButtons) {
    Read(
        "[Button1]\nAction=-1\n"
        "[Button2]\nAction=-1\nVisibility=5\n"
        "[Button3]\nAction=-1\nVisibility=0\nCombineOp=2\n"
        "[Button4]\nVisibility=2\nVisibility1=3\n");
    const auto& b = skin.CaptionButtons;
    ASSERT_EQ(b.size(), 2u + 3u);
    EXPECT_EQ(b[0].Name, "BUTTON3");
    EXPECT_EQ(b[0].Visibility1, -1);
    EXPECT_EQ(b[0].CombineOp, 2);
    EXPECT_EQ(b[1].Action, 0);
    EXPECT_EQ(b[1].Visibility, 2);
    EXPECT_EQ(b[1].Visibility1, 3);
}

TEST_F(SkinDefinitionTest, CutsTheMdiButtonsFromTwelveColumns) {
    members.Add("mdi.bmp", States(4, 12, 10, 9));
    Read("[MDICONTROLS]\nImage=mdi.bmp\n");
    const auto& b = skin.CaptionButtons;
    ASSERT_EQ(b.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b[i].Action, 7 + i);
        EXPECT_EQ(b[i].Align, 100);
        EXPECT_EQ(b[i].Visibility, 100);
        EXPECT_EQ(b[i].Visibility1, 100);
        EXPECT_EQ(b[i].Frame, 4);
        EXPECT_EQ(b[i].Xcoord, 14 * (3 - i));
        ASSERT_EQ(b[i].Image.Width(), 40);
        EXPECT_EQ(b[i].Image.Height(), 9);
        EXPECT_EQ(b[i].Image.At(0, 0), StateColour(4, 4 * i + 1));
        EXPECT_EQ(b[i].Image.At(39, 8), StateColour(4, 4 * i + 4));
    }
    Read("");
    ASSERT_EQ(skin.CaptionButtons.size(), 3u);
    EXPECT_TRUE(skin.CaptionButtons[0].Image.Empty());
    EXPECT_EQ(skin.CaptionButtons[0].Xcoord, 0);
}

TEST_F(SkinDefinitionTest, ReadsThePushButtonsAndJudgesTheirToggleFrames) {
    members.Add("check.bmp", States(1, 10, 13, 13));  // 130 x 13: 10 states
    members.Add("radio.bmp", States(2, 3, 16, 16));   // 48 x 16: 3, at least 4
    Read(
        "[Buttons]\nLeftWidth=3\nRightWidth=4\nTopHeight=5\nBottomHeight=6\nTile=2\nTrans=1\n"
        "CheckButton=check.bmp\nRadioButton=radio.bmp\nNormalColour=0x10\n"
        "MouseOverColour2=1 2 3\n[Colours]\nButtonText=9 9 9\n");
    const TSkinButtonObject& b = skin.Buttons;
    EXPECT_EQ(b.Name, "Buttons");
    EXPECT_EQ(b.GetMargins(), (Margins{3, 5, 4, 6}));
    EXPECT_EQ(b.Tile, 0);
    EXPECT_EQ(b.Trans, 1);
    EXPECT_EQ(b.Frame, 5);
    EXPECT_EQ(b.CheckButtonFrame, 10);
    EXPECT_EQ(b.RadioButtonFrame, 4);
    EXPECT_EQ(b.NormalColour, 16);
    EXPECT_EQ(b.MouseOverColour, -1);
    EXPECT_FALSE(b.HasNormalColour2);
    EXPECT_EQ(b.NormalColour2, MakeColour(9, 9, 9));
    EXPECT_TRUE(b.HasMouseOverColour2);
    EXPECT_EQ(b.MouseOverColour2, MakeColour(1, 2, 3));
    Read("[Buttons]\nCheckButtonFrame=2\nRadioButton=radio.bmp\nRadioButtonFrame=8\n");
    EXPECT_EQ(skin.Buttons.CheckButtonFrame, 2);
    EXPECT_EQ(skin.Buttons.RadioButtonFrame, 8);
    EXPECT_FALSE(skin.Buttons.HasMouseOverColour2);
    EXPECT_EQ(skin.Buttons.MouseOverColour2, SystemColour(SystemColourIndex::ButtonText));
}

TEST_F(SkinDefinitionTest, SetsTheCaptionTextColoursOnlyFromThreeGoodComponents) {
    Read(
        "[Personality]\nTextShift=7\nTextShiftVert=2\nTextRightClip=60\nTextAlignment=1\n"
        "ActiveTextR=300\nActiveTextG=0\nActiveTextB=0x10\n"
        "InActiveTextR=1\nInActiveTextG=-1\nInActiveTextB=1\n");
    const TSkinTitleObject& t = skin.Title;
    EXPECT_EQ(t.Name, "Title");
    EXPECT_EQ(t.GetMargins(), (Margins{7, 2, 60, 0}));
    EXPECT_EQ(t.TextAlignment, 1);
    EXPECT_EQ(t.FontHeight, 14);
    EXPECT_EQ(t.Frame, 2);
    EXPECT_EQ(t.ActiveTextColour, MakeColour(44, 0, 16));
    EXPECT_EQ(t.InactiveTextColour, TSkinTitleObject::kNotGiven);
    Read("[Personality]\nActiveTextR=1\nActiveTextG=2\n[Fonts]\nFontHeight=11\n");
    EXPECT_EQ(skin.Title.ActiveTextColour, TSkinTitleObject::kNotGiven);
    EXPECT_EQ(skin.Title.FontHeight, 11);
}

TEST_F(SkinDefinitionTest, MakesOptionalObjectsOnlyFromTheirKeyAndFixesTheirFrames) {
    members.Add("x.bmp", States(1, 1, 4, 4));
    Read(
        "[Scrollbar]\nImage=x.bmp\nFrame=2\nTile=5\nLeftWidth=2\nNormalColour2=1 1 1\n"
        "[Headerbar]\nImage=x.bmp\n"
        "[MenuItem]\nImage=x.bmp\nFrame=9\n"
        "[Progress.Chunk]\nImage=x.bmp\nFrame=7\n"
        "[Tab.Pane]\nImage=x.bmp\nLeftWidth=9\nTopHeight=3\nRightWidth=4\nBottomHeight=5\n"
        "[HorzScrollThumb]\nImage=x.bmp\nFrame=9\n"
        "[VertScrollThumb]\nImage=x.bmp\nFrameCount=6\n"
        "[StatusBarEdges]\nImage=missing.bmp\n"
        "[SunkEdge]\nStyle=1\n"
        "[Progress]\nImage=x.bmp\n");
    ASSERT_TRUE(skin.Scrollbar);
    EXPECT_EQ(skin.Scrollbar->Name, "Scrollbar");
    EXPECT_EQ(skin.Scrollbar->Frame, 23);
    EXPECT_EQ(skin.Scrollbar->Tile, 0);
    EXPECT_EQ(skin.Scrollbar->LeftWidth, 2);
    EXPECT_EQ(skin.Scrollbar->NormalColour2, MakeColour(1, 1, 1));
    EXPECT_EQ(skin.Scrollbar->PressedColour2, SystemColour(SystemColourIndex::ButtonText));
    EXPECT_EQ(skin.Scrollbar->PressedColour, -1);
    EXPECT_EQ(skin.Headerbar->Frame, 5);
    EXPECT_EQ(skin.MenuItem->Frame, 5);
    EXPECT_EQ(skin.ProgressChunk->Frame, 7);
    EXPECT_EQ(skin.TabPane->GetMargins(), (Margins{4, 3, 4, 4}));
    EXPECT_EQ(skin.TabPane->Frame, 1);
    EXPECT_EQ(skin.HorzScrollThumb->Frame, 3);
    EXPECT_EQ(skin.VertScrollThumb->Frame, 6);
    // The key given with a missing picture still makes the object.
    ASSERT_TRUE(skin.StatusBarEdges);
    EXPECT_TRUE(skin.StatusBarEdges->Image.Empty());
    EXPECT_EQ(skin.StatusBarEdges->Frame, 3);
    EXPECT_FALSE(skin.SunkEdge);
    // [Progress] goes by its Bitmap key.
    EXPECT_FALSE(skin.Progress);
    EXPECT_FALSE(skin.ToolBars);
    EXPECT_FALSE(skin.MenuBar);

    Read("[Headerbar]\nImage=x.bmp\nFrame=3\n");
    EXPECT_EQ(skin.Headerbar->Frame, 3);
    EXPECT_FALSE(skin.Scrollbar);
    EXPECT_FALSE(skin.TabPane);
    EXPECT_FALSE(skin.StatusBarEdges);
}

TEST_F(SkinDefinitionTest, ReadsProgressMenuBarGroupBoxAndTheBorderedObjects) {
    members.Add("x.bmp", States(1, 2, 4, 4));
    members.Add("glyph.bmp", States(2, 8, 3, 3));
    Read(
        "[Progress]\nBitmap=x.bmp\nTile=3\nLeftWidth=2\nFrame=9\n"
        "[Personality]\nmenuBar=x.bmp\nTileMenu=4\n"
        "[GroupBox]\nImage=x.bmp\nFrame=3\nBackgroundAlignment=2\nBackgroundLeftShift=5\n"
        "BackgroundRightShift=6\n"
        "[GroupBoxEdge]\nImage=x.bmp\n"
        "[Tabs]\nImage=x.bmp\nBorder=glyph.bmp\nFrame=2\n"
        "[UpDown.Horz]\nImage=x.bmp\nGlyphImage=glyph.bmp\n"
        "[UpDown.Vert]\nImage=x.bmp\n");
    ASSERT_TRUE(skin.Progress);
    EXPECT_EQ(skin.Progress->Tile, 1);
    EXPECT_EQ(skin.Progress->LeftWidth, 2);
    EXPECT_EQ(skin.Progress->Frame, 2);
    ASSERT_TRUE(skin.MenuBar);
    EXPECT_EQ(skin.MenuBar->Name, "Personality");
    EXPECT_EQ(skin.MenuBar->Tile, 1);
    EXPECT_EQ(skin.MenuBar->GetMargins(), (Margins{1, 0, 1, 0}));
    EXPECT_EQ(skin.MenuBar->Frame, 2);
    ASSERT_TRUE(skin.GroupBox);
    EXPECT_EQ(skin.GroupBox->Frame, 1);
    EXPECT_EQ(skin.GroupBox->BackgroundAlignment, 2);
    EXPECT_EQ(skin.GroupBox->BackgroundLeftShift, 5);
    EXPECT_EQ(skin.GroupBox->BackgroundRightShift, 6);
    EXPECT_EQ(skin.GroupBoxEdge->Frame, 2);
    EXPECT_EQ(skin.Tabs->Frame, 5);
    EXPECT_EQ(skin.Tabs->Image2, States(2, 8, 3, 3));
    EXPECT_EQ(skin.UpDownHorz->Frame, 8);
    EXPECT_EQ(skin.UpDownHorz->Image2, States(2, 8, 3, 3));
    EXPECT_TRUE(skin.UpDownVert->Image2.Empty());

    Read("[Progress]\nBitmap=x.bmp\nStyle=1\n[Personality]\nmenuBar=x.bmp\nTileLeftMenu=6\n");
    EXPECT_EQ(skin.Progress->Frame, 1);
    EXPECT_EQ(skin.MenuBar->LeftWidth, 6);
    EXPECT_FALSE(skin.GroupBox);
    EXPECT_FALSE(skin.Tabs);
}

TEST_F(SkinDefinitionTest, TrackPicturesFallBackOnTheProgramsOwn) {
    members.Add("track.bmp", States(1, 2, 5, 5));
    resources.pictures["TRACK"] = States(7, 1, 9, 4);
    resources.pictures["TRACKVERT"] = States(8, 1, 4, 9);
    Read("[Track]\nImage=track.bmp\nFrame=2\nLeftWidth=1\n");
    ASSERT_TRUE(skin.Track);
    EXPECT_EQ(skin.Track->Frame, 2);
    EXPECT_EQ(skin.Track->LeftWidth, 1);
    ASSERT_TRUE(skin.TrackVert);
    EXPECT_EQ(skin.TrackVert->Name, "TRACKVERT");
    EXPECT_EQ(skin.TrackVert->Image, States(8, 1, 4, 9));
    EXPECT_EQ(skin.TrackVert->GetMargins(), (Margins{3, 3, 3, 3}));
    EXPECT_EQ(skin.TrackVert->Tile, 0);
    EXPECT_EQ(skin.TrackVert->Frame, 1);

    Read("");
    EXPECT_EQ(skin.Track->Image, States(7, 1, 9, 4));
    EXPECT_EQ(skin.Track->Frame, 1);
    resources.pictures.clear();
    Read("");
    EXPECT_FALSE(skin.Track);
    EXPECT_FALSE(skin.TrackVert);
}

TEST_F(SkinDefinitionTest, AComboButtonAloneGivesTheArrowAndAMirroredSecondPicture) {
    Bitmap button = States(1, 4, 5, 3);
    button.At(0, 0) = pixels::kMagenta;
    button.At(5, 1) = pixels::kMagenta;
    members.Add("combo.bmp", button);
    Read("[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=combo.bmp\nFrame=1\n");
    ASSERT_TRUE(skin.ComboButton);
    EXPECT_EQ(skin.ComboButton->Frame, 4);
    Bitmap arrow = button;
    ReplaceMagenta(arrow, MakePixel(10, 20, 30));
    EXPECT_EQ(skin.ComboxArrow.Name, "ComboxArrow");
    EXPECT_EQ(skin.ComboxArrow.Image, arrow);
    EXPECT_EQ(skin.ComboxArrow.Frame, 4);
    // Each state is mirrored in its place.
    const Bitmap& mirrored = skin.ComboButton->Image2;
    EXPECT_EQ(mirrored.At(4, 0), pixels::kMagenta);
    EXPECT_EQ(mirrored.At(9, 1), pixels::kMagenta);
    EXPECT_EQ(mirrored.At(0, 0), StateColour(1, 1));
    EXPECT_EQ(mirrored.At(19, 2), StateColour(1, 4));

    // A skin without a combo button leaves no arrow of the one before.
    Read("[SunkEdge]\nImage=combo.bmp\n");
    EXPECT_TRUE(skin.ComboxArrow.Image.Empty());
}

TEST_F(SkinDefinitionTest, ComposesComboBoxPicturesFromSunkEdgeAndComboButton) {
    members.Add("edge.bmp", States(1, 4, 4, 4));
    members.Add("button.bmp", States(2, 4, 6, 6));
    members.Add("glyphs.bmp", States(3, 5, 3, 3));
    Read(
        "[SunkEdge]\nImage=edge.bmp\nLeftWidth=1\nRightWidth=1\nTopHeight=1\nBottomHeight=1\n"
        "[ComboButton]\nImage=button.bmp\nTopHeight=1\nBottomHeight=1\n"
        "[ExtraImages]\nImage=glyphs.bmp\n");
    // The arrow is 17 wide, so the button strip is 19: x 31 to 49.
    const TSkinBorderObject& button = *skin.ComboButton;
    ASSERT_EQ(button.Image.Width(), 200);
    ASSERT_EQ(button.Image.Height(), 21);
    EXPECT_EQ(button.Style, 2);
    EXPECT_EQ(button.GetMargins(), (Margins{2, 1, 21, 1}));
    for (int state = 1; state <= 4; ++state) {
        const int x0 = 50 * (state - 1);
        const Bitmap& p = button.Image;
        EXPECT_EQ(p.At(x0, 0), StateColour(1, state));
        EXPECT_EQ(p.At(x0 + 1, 1), StateColour(1, state));
        EXPECT_EQ(p.At(x0 + 30, 20), StateColour(1, state));
        EXPECT_EQ(p.At(x0 + 2, 2), pixels::kMagenta);
        EXPECT_EQ(p.At(x0 + 28, 18), pixels::kMagenta);
        EXPECT_EQ(p.At(x0 + 29, 18), StateColour(1, state));
        EXPECT_EQ(p.At(x0 + 31, 0), StateColour(2, state));
        EXPECT_EQ(p.At(x0 + 49, 20), StateColour(2, state));
        // The glyph, 3 x 3, centred in x 31 to 47: from x 38, y 9.
        EXPECT_EQ(p.At(x0 + 37, 9), StateColour(2, state));
        EXPECT_EQ(p.At(x0 + 38, 9), StateColour(3, state));
        EXPECT_EQ(p.At(x0 + 40, 11), StateColour(3, state));
        EXPECT_EQ(p.At(x0 + 41, 11), StateColour(2, state));
    }
    const TSkinObject& edge = *skin.SunkEdge;
    EXPECT_EQ(edge.GetMargins(), (Margins{21, 1, 2, 1}));
    EXPECT_EQ(edge.Frame, 4);
    EXPECT_EQ(edge.Image.At(0, 0), StateColour(2, 1));
    EXPECT_EQ(edge.Image.At(199, 0), StateColour(1, 4));
    EXPECT_EQ(Crop(edge.Image, {50, 0, 100, 21}), Mirror(Crop(button.Image, {50, 0, 100, 21})));
    // The arrows are 17 x 17 from x 31, y 2 of each picture.
    const TSkinObject& arrow = skin.ComboxArrow;
    ASSERT_EQ(arrow.Image.Width(), 68);
    ASSERT_EQ(arrow.Image.Height(), 17);
    EXPECT_EQ(arrow.Frame, 4);
    EXPECT_EQ(Crop(arrow.Image, {17, 0, 34, 17}), Crop(button.Image, {81, 2, 98, 19}));
    EXPECT_EQ(arrow.Image.At(17 * 3 + 7, 7), StateColour(3, 4));
}

TEST_F(SkinDefinitionTest, SamplesTheCaptionColourAndBuildsTheToolbarGradient) {
    Bitmap top(30, 60, MakePixel(1, 1, 1));
    top.At(10, 10) = MakePixel(0, 84, 227);
    members.Add("top.bmp", top);
    Read("[Personality]\nTop=top.bmp\nTopFrame=2\n[Colours]\nButtonFace=236 233 216\n");
    EXPECT_EQ(skin.Colours.Caption, MakeColour(0, 84, 227));
    const TSkinObject& toolbar = skin.Toolbar;
    EXPECT_EQ(toolbar.Name, "Toolbar");
    EXPECT_EQ(toolbar.Frame, 1);
    ASSERT_EQ(toolbar.Image.Width(), 10);
    ASSERT_EQ(toolbar.Image.Height(), 40);
    // A strong blue (strength 255) fades with 55 % white toward (140, 178,
    // 242); the ramp's falling components end one short of it.
    EXPECT_EQ(toolbar.Image.At(0, 0), MakePixel(252, 252, 249));
    EXPECT_EQ(toolbar.Image.At(9, 39), MakePixel(141, 179, 243));

    // A weak colour (strength 13) goes toward 15 % grey.
    top.At(10, 10) = MakePixel(200, 200, 190);
    members.Add("top.bmp", top);
    Read("[Personality]\nTop=top.bmp\nTopFrame=2\n[Colours]\nButtonFace=236 233 216\n");
    EXPECT_EQ(skin.Toolbar.Image.At(0, 39), MakePixel(190, 190, 182));

    // Without a caption picture the button face stands in; a frame count
    // of 0 counts as 1.
    Read("[Colours]\nButtonFace=1 2 3\n");
    EXPECT_EQ(skin.Colours.Caption, MakeColour(1, 2, 3));
    top.At(10, 20) = MakePixel(5, 6, 7);
    members.Add("top.bmp", top);
    Read("[Personality]\nTop=top.bmp\nTopFrame=0\n");
    EXPECT_EQ(skin.Colours.Caption, MakeColour(5, 6, 7));
}
