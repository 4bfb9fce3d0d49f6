#include "skin/class_map.h"

#include <algorithm>
#include <array>

#include "text/text_rules.h"

namespace skin {
namespace {

constexpr size_t kLongestKind = 50;

// One kind of the class map: the member it needs and the skinned control
// it gives; the kinds with further conditions are settled afterwards.
struct KindRow {
    std::string_view kind;
    std::optional<TSkinControlType> needs;
    SkinnedControlKind attach;
    ChildControls children = ChildControls::Leave;
    bool transparent = false;
};

using enum TSkinControlType;
using K = SkinnedControlKind;

constexpr std::array kKinds = {
    KindRow{"nil", std::nullopt, K::None},
    KindRow{"combobox", xcCombo, K::TSkinComBox},
    KindRow{"edit", xcEdit, K::TSkinEdit},
    KindRow{"radiobutton", xcRadioButton, K::TSkinRadioButton},
    KindRow{"panel", xcPanel, K::TSkinBox, ChildControls::Leave, true},
    KindRow{"trackbar", xcButton, K::TSkinTrackBar, ChildControls::Leave, true},
    KindRow{"button", xcButton, K::TSkinButton},
    KindRow{"datetimepicker", xcCombo, K::TSkinDateTime},
    KindRow{"mediaplayer", xcButton, K::TSkinMP},
    KindRow{"bitbtn", xcButton, K::TSkinBitButton},
    KindRow{"pngbitbtn", xcButton, K::TSkinBitButton},
    KindRow{"menubtn", xcButton, K::TSkinMenuButton},
    KindRow{"speedbutton", xcSpeedButton, K::TSkinSpeedButton},
    KindRow{"tab", xcTab, K::TSkinTab},
    KindRow{"progress", xcProgress, K::TSkinProgress},
    KindRow{"scrollbar", xcScrollbar, K::TSkinScrollbar, ChildControls::ClassifyAfter},
    KindRow{"singlescrollbar", xcScrollbar, K::TSkinScrollbar},
    KindRow{"embedscrollbar", xcScrollbar, K::None, ChildControls::ScrollBarItems},
    KindRow{"container", std::nullopt, K::None, ChildControls::ClassifyFirst},
    KindRow{"groupbox", xcGroupBox, K::TSkinGroupBox},
    KindRow{"advpagecontrol", xcTab, K::TSkinAdvPage},
    KindRow{"radiogroup", xcGroupBox, K::TSkinGroupBox},
    KindRow{"checkgroup", xcPanel, K::TSkinGroupBox},
    KindRow{"checkbox", xcCheckBox, K::TSkinCheckBox},
};

}  // namespace

std::optional<std::string> ClassMapKind(const std::vector<std::string>& classMap,
                                        std::string_view className) {
    const std::string prefix = text::LowerAscii(className) + "=";
    for (const std::string& line : classMap) {
        if (!text::LowerAscii(line).starts_with(prefix))
            continue;
        const std::string_view kind = std::string_view(line).substr(prefix.size(), kLongestKind);
        return text::LowerAscii(kind);
    }
    return std::nullopt;
}

ControlAnswer MapClassMapKind(std::string_view kind, const ControlFacts& control,
                              const ClassificationContext& context) {
    const auto row = std::find_if(kKinds.begin(), kKinds.end(),
                                  [&](const KindRow& r) { return r.kind == kind; });
    if (row == kKinds.end() || (row->needs && !context.Controls.Contains(*row->needs)))
        return {};
    ControlAnswer answer;
    answer.Attach = row->attach;
    answer.Children = row->children;
    answer.SetTransparent = row->transparent;
    const bool radioButtons = context.Controls.Contains(xcRadioButton);
    if (kind == "edit" && !control.HasBorder) {
        answer.Attach = K::None;
    } else if (kind == "bitbtn" && control.IsOfClass("TCXBUTTON") && control.DropDownKind) {
        answer.Attach = K::TSkinMenuButton;
    } else if (kind == "pngbitbtn") {
        answer.GlyphFromPngImage = true;
    } else if (kind == "tab" && !context.SkinHasTabs) {
        answer.Attach = K::None;
    } else if (kind == "singlescrollbar") {
        answer.SingleScrollBar = true;
    } else if (kind == "radiogroup" && radioButtons) {
        answer.Children = ChildControls::RadioGroupItems;
    } else if (kind == "checkgroup") {
        if (radioButtons)
            answer.Children = ChildControls::CheckGroupItems;
        if (!context.Controls.Contains(xcGroupBox))
            answer.Attach = K::None;
    }
    return answer;
}

}  // namespace skin
