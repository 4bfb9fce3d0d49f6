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
        case SkinnedControlKind::None:
            return false;
        case SkinnedControlKind::Supplied:
            return true;  // the owner's object draws as it will
        case SkinnedControlKind::TSkinButton:
        case SkinnedControlKind::TSkinBitButton:
        case SkinnedControlKind::TSkinSpeedButton:
        case SkinnedControlKind::TSkinMenuButton:
        case SkinnedControlKind::TSkinMP:
            return !skin.Buttons.Image.Empty();
        case SkinnedControlKind::TSkinCheckBox:
            return !skin.Buttons.CheckBoxImage.Empty();
        case SkinnedControlKind::TSkinRadioButton:
            return !skin.Buttons.RadioButtonImage.Empty();
        case SkinnedControlKind::TSkinObjImage:
            return ObjImageIsRadio(f.objImageStyle) ? !skin.Buttons.RadioButtonImage.Empty()
                                                    : !skin.Buttons.CheckBoxImage.Empty();
        case SkinnedControlKind::TSkinComBox:
            return Has(skin.ComboButton);
        case SkinnedControlKind::TSkinUpDown:
            return f.vertical ? Has(skin.UpDownVert) : Has(skin.UpDownHorz);
        case SkinnedControlKind::TSkinTab:
        case SkinnedControlKind::TSkinTab31:
        case SkinnedControlKind::TSkinAdvPage:
            return Has(skin.Tabs);
        case SkinnedControlKind::TSkinProgress:
            return Has(skin.Progress);
        case SkinnedControlKind::TSkinTrackBar:
            return f.vertical ? Has(skin.TrackVert) && Has(skin.TrackbarThumbVert)
                              : Has(skin.Track) && Has(skin.TrackbarThumbHorz);
        case SkinnedControlKind::TSkinHeader:
            return Has(skin.Headerbar);
        case SkinnedControlKind::TSkinScrollbar:
        case SkinnedControlKind::TSkinScrollbarH:
        case SkinnedControlKind::TSkinListView:
        case SkinnedControlKind::TSkinScControl:
            return Has(skin.Scrollbar);
        case SkinnedControlKind::TSkinSizer:
            return f.sizeBox || Has(skin.Scrollbar);
        case SkinnedControlKind::TSkinEdit:
        case SkinnedControlKind::TSkinDateTime:
        case SkinnedControlKind::TSkinGroupBox:
        case SkinnedControlKind::TSkinBox:
        case SkinnedControlKind::TSkinBoxH:
        case SkinnedControlKind::TSkinStatusBar:
        case SkinnedControlKind::TSkinTabSheet:
            return true;
    }
    return false;
}

}  // namespace skin
