// The skin objects: the in-memory form of a skin definition's sections, read
// by the loader and drawn by the window layer. Each owns its pictures.
#pragma once

#include <string>

#include "pixels/bitmap.h"
#include "skin/colour.h"
#include "skin/geometry.h"

namespace skin {

using pixels::Bitmap;

class TSkinObject {
  public:
    virtual ~TSkinObject() = default;

    Margins GetMargins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }

    // The parts of the picture drawn unscaled, in pixels.
    int LeftWidth = 0;
    int TopHeight = 0;
    int RightWidth = 0;
    int BottomHeight = 0;
    Bitmap Image;
    // Nonzero: magenta pixels of the picture are transparent.
    int Trans = 0;
    // Tiling or stretching of the scalable parts; for the four frame borders
    // this holds their Stretch value instead.
    int Tile = 0;
    // The section (or border) the object was read from.
    std::string Name;
    // The number of equal states the picture holds.
    int Frame = 0;
    int Style = 0;
    // Read as plain numbers; -1 when absent.
    int NormalColour = -1;
    int MouseOverColour = -1;
    int PressedColour = -1;
    Colour NormalColour2 = kNoColour;
    Colour MouseOverColour2 = kNoColour;
    Colour PressedColour2 = kNoColour;
};

// The frame borders, Tabs, ComboButton, UpDown and Progress: a second picture
// (the tab border, the mirrored combo button, the up-down glyphs).
class TSkinBorderObject : public TSkinObject {
  public:
    Bitmap Image2;
};

// The push buttons [Buttons], with the check-box and radio-button pictures.
class TSkinButtonObject : public TSkinObject {
  public:
    Bitmap CheckBoxImage;
    Bitmap RadioButtonImage;
    int RadioButtonFrame = 0;
    int CheckButtonFrame = 0;
    // Whether the definition gave NormalColour2, MouseOverColour2 and
    // PressedColour2 (otherwise they hold the ButtonText colour).
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// The caption text settings. The base margins hold TextShift (LeftWidth),
// TextShiftVert (TopHeight) and TextRightClip (RightWidth); the picture is
// TextBack.
class TSkinTitleObject : public TSkinObject {
  public:
    // The text colours' value while the definition does not give them.
    static constexpr Colour kNotGiven = 0x1FFFFFFF;

    int TextAlignment = 0;
    int Textbackground = 0;
    int FontHeight = 0;
    int TXTBackleft = 0;
    int TXTBackRight = 0;
    Colour ActiveTextColour = kNotGiven;
    Colour InactiveTextColour = kNotGiven;
};

// A caption button, or one of the three buttons of a maximised MDI child.
class TSkinSysButtonObject : public TSkinObject {
  public:
    int Action = 0;
    int Align = 0;
    int Xcoord = 0;
    int Ycoord = 0;
    int CombineOp = 0;
    int Visibility = 0;
    int Visibility1 = 0;
};

// The group box caption [GroupBox].
class TSkinBoxLabelObject : public TSkinObject {
  public:
    int BackgroundLeftShift = 0;
    int BackgroundRightShift = 0;
    int BackgroundAlignment = 0;
};

}  // namespace skin
