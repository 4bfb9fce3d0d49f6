#include "skin/member_pictures.h"

#include <memory>

#include "skin/check_box_look.h"

namespace skin {
namespace {

template <class Object>
bool Has(const std::unique_ptr<Object>& o) {
    return o && !o->Image.Empty();
}

}  // namespace

bool SkinDrawsMember(const MemberFacts& f, const SkinDefinition& skin) {
    switch (f.member) {
        case ControlMember::None:
            return false;
        case ControlMember::TSkinButton:
        case ControlMember::TSkinBitButton:
        case ControlMember::TSkinSpeedButton:
        case ControlMember::TSkinMenuButton:
        case ControlMember::TSkinMP:
            return !skin.Buttons.Image.Empty();
        case ControlMember::TSkinCheckBox:
            return !skin.Buttons.CheckBoxImage.Empty();
        case ControlMember::TSkinRadioButton:
            return !skin.Buttons.RadioButtonImage.Empty();
        case ControlMember::TSkinObjImage:
            return ObjImageIsRadio(f.objImageStyle) ? !skin.Buttons.RadioButtonImage.Empty()
                                                    : !skin.Buttons.CheckBoxImage.Empty();
        case ControlMember::TSkinComBox:
            return Has(skin.ComboButton);
        case ControlMember::TSkinUpDown:
            return f.vertical ? Has(skin.UpDownVert) : Has(skin.UpDownHorz);
        case ControlMember::TSkinTab:
        case ControlMember::TSkinTab31:
        case ControlMember::TSkinAdvPage:
            return Has(skin.Tabs);
        case ControlMember::TSkinProgress:
            return Has(skin.Progress);
        case ControlMember::TSkinTrackBar:
            return f.vertical ? Has(skin.TrackVert) && Has(skin.TrackbarThumbVert)
                              : Has(skin.Track) && Has(skin.TrackbarThumbHorz);
        case ControlMember::TSkinHeader:
            return Has(skin.Headerbar);
        case ControlMember::TSkinScrollbar:
        case ControlMember::TSkinScrollbarH:
        case ControlMember::TSkinListView:
        case ControlMember::TSkinScControl:
            return Has(skin.Scrollbar);
        case ControlMember::TSkinSizer:
            return f.sizeBox || Has(skin.Scrollbar);
        case ControlMember::TSkinEdit:
        case ControlMember::TSkinDateTime:
        case ControlMember::TSkinGroupBox:
        case ControlMember::TSkinBox:
        case ControlMember::TSkinBoxH:
        case ControlMember::TSkinStatusBar:
        case ControlMember::TSkinTabSheet:
            return true;
    }
    return false;
}

}  // namespace skin
