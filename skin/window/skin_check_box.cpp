#include "skin/window/skin_check_box.h"

#include "skin/box_look.h"

namespace skin::window {
namespace {

MemberFacts FactsOfMember(SkinnedControlKind member, int objImageStyle) {
    MemberFacts f{member};
    if (objImageStyle)
        f.objImageStyle = objImageStyle;
    return f;
}

}  // namespace

TSkinCheckBox::TSkinCheckBox(const ControlContext& context, SkinnedControlKind member,
                             int objImageStyle)
    : TSkinButton(context, FactsOfMember(member, objImageStyle)),
      radio_(member == SkinnedControlKind::TSkinRadioButton ||
             (member == SkinnedControlKind::TSkinObjImage && ObjImageIsRadio(objImageStyle))) {}

CheckMark TSkinCheckBox::Mark() const {
    // Other libraries' controls tell through their Checked property.
    if (Control()) {
        ui::PropertyValue value;
        bool checked = false;
        if (Control()->GetProperty("Checked", value) && ui::Extract(value, checked))
            return checked ? CheckMark::Checked : CheckMark::Unchecked;
    }
    switch (SendMessageW(Window(), BM_GETCHECK, 0, 0)) {
        case BST_CHECKED:
            return CheckMark::Checked;
        case BST_INDETERMINATE:
            return CheckMark::Indeterminate;
        default:
            return CheckMark::Unchecked;
    }
}

ToggleFacts TSkinCheckBox::Facts() const {
    ToggleFacts f;
    f.radio = radio_;
    f.mark = Mark();
    f.state = StateNow();
    f.caption = Caption();
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(Window(), GWL_EXSTYLE);
    f.boxRight = (style & BS_LEFTTEXT) || (exStyle & WS_EX_RIGHT);
    f.fontColour = FontColour();
    f.focusRect = !HasOption(TSkinOption::xoNoFocusRect);
    return f;
}

void TSkinCheckBox::DrawControl(HDC dc, Rect place, const SkinDefinition& skin) {
    Bitmap picture(place.Width(), place.Height());
    PaintToggleButton(picture, place, Facts(), skin, Font(Ampersand::MarksAccelerator), Look());
    Blit(dc, picture, place);
}

}  // namespace skin::window
