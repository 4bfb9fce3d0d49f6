#include "skin/nc_element.h"

namespace skin {

void TNcElement::MouseDown(NcElementHost& frame) {
    if (frame.hot_ && frame.hot_ != this)
        frame.hot_->MouseLeave(frame);
    if (!Visible)
        return;
    frame.hot_ = this;
    State = ElementState::Pressed;
    Paint(frame);
}

void TNcElement::MouseUp(NcElementHost& frame) {
    if (!Visible)
        return;
    State = ElementState::Hot;
    Paint(frame);
}

void TNcElement::MouseEnter(NcElementHost& frame) {
    if (frame.hot_ == this)
        return;
    if (frame.hot_)
        frame.hot_->MouseLeave(frame);
    if (!Visible)
        return;
    frame.hot_ = this;
    State = ElementState::Hot;
    Paint(frame);
}

void TNcElement::MouseLeave(NcElementHost& frame) {
    if (!Visible)
        return;
    frame.hot_ = nullptr;
    State = ElementState::Normal;
    Paint(frame);
}

void NcElementHost::CheckHover(Point pointer) {
    if (hot_ && !hot_->Place.Contains(pointer))
        hot_->MouseLeave(*this);
}

}  // namespace skin
