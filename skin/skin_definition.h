// A skin as its definition gives it: name, colours and every skin object,
// and the reading of a definition into them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/bitmap_reference.h"
#include "skin/gradient.h"
#include "skin/resource_bitmaps.h"
#include "skin/skin_colours.h"
#include "skin/skin_ini.h"
#include "skin/skin_objects.h"
#include "skin/system_look.h"

namespace skin {

struct SkinDefinition {
    std::string SkinName;
    SkinColours Colours;

    // Kept for the life of the skin data and refilled by every definition.
    TSkinBorderObject Left;
    TSkinBorderObject Right;
    TSkinBorderObject Top;
    TSkinBorderObject Bottom;
    TSkinButtonObject Buttons;
    TSkinTitleObject Title;
    // Made by the loader; the combo arrow's picture is empty when the skin
    // has no ComboButton.
    TSkinObject ComboxArrow;
    TSkinObject Toolbar;

    // The caption buttons and, behind them, the three MDI child buttons;
    // rebuilt by every definition.
    std::vector<TSkinSysButtonObject> CaptionButtons;

    // Present only when the definition has the section (or, for Track and
    // TRACKVERT, when the program's resources have the picture).
    std::unique_ptr<TSkinBorderObject> Progress;
    std::unique_ptr<TSkinObject> ProgressChunk;
    std::unique_ptr<TSkinObject> MenuBar;  // [Personality] menuBar
    std::unique_ptr<TSkinObject> GroupBoxEdge;
    std::unique_ptr<TSkinBoxLabelObject> GroupBox;
    std::unique_ptr<TSkinBorderObject> Tabs;
    std::unique_ptr<TSkinObject> StatusBarEdges;
    std::unique_ptr<TSkinObject> TabPane;
    std::unique_ptr<TSkinObject> ToolBars;
    std::unique_ptr<TSkinBorderObject> ComboButton;
    std::unique_ptr<TSkinObject> SunkEdge;
    std::unique_ptr<TSkinObject> ExtraImages;
    std::unique_ptr<TSkinObject> Headerbar;
    std::unique_ptr<TSkinObject> MenuItem;
    std::unique_ptr<TSkinObject> MenuBackground;
    std::unique_ptr<TSkinObject> Scrollbar;
    std::unique_ptr<TSkinObject> HorzScroll;
    std::unique_ptr<TSkinObject> VertScroll;
    std::unique_ptr<TSkinObject> HorzScrollThumb;
    std::unique_ptr<TSkinObject> VertScrollThumb;
    std::unique_ptr<TSkinObject> TrackbarThumbHorz;
    std::unique_ptr<TSkinObject> TrackbarThumbVert;
    std::unique_ptr<TSkinObject> TrackbarThumbLeft;
    std::unique_ptr<TSkinObject> TrackbarThumbRight;
    std::unique_ptr<TSkinObject> TrackbarThumbUp;
    std::unique_ptr<TSkinObject> TrackbarThumbDown;
    std::unique_ptr<TSkinBorderObject> UpDownHorz;
    std::unique_ptr<TSkinBorderObject> UpDownVert;
    std::unique_ptr<TSkinObject> Track;
    std::unique_ptr<TSkinObject> TrackVert;
};

// A skin as its users hold it: never changed once published, and freed only
// when the last window, caption button or painting that uses it lets go, so
// a switch to another skin cannot pull it away from under them.
using SkinSnapshot = std::shared_ptr<const SkinDefinition>;

// The start of the next skin: the name, the colours and the objects that
// reading refills in place, as `current` has them; no caption buttons and
// none of the optional objects.
SkinDefinition KeptPartsOf(const SkinDefinition& current);

// What the reading of a definition draws on besides the definition itself.
struct DefinitionSources {
    const MemberLookup& members;
    const SystemLook& look;
    const ResourceBitmaps& resources;
    GradientCache& gradients;
};

// Reads the whole definition into `skin`: the optional objects are dropped
// and made again from their sections, the kept ones refilled in place; then
// the frame counts are fixed and the derived pictures made.
void ReadSkinDefinition(const TSkinIni& ini, const DefinitionSources& sources,
                        SkinDefinition& skin);

}  // namespace skin
