#include "ui/image_list.h"

namespace ui {

TImageList::TImageList(TComponent& owner, int width, int height)
    : TComponent(&owner),
      width_(width),
      height_(height),
      list_(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 0, 8)) {}

void TImageList::AddMasked(HBITMAP strip, COLORREF transparent) {
    ImageList_AddMasked(list_.get(), strip, transparent);
}

int TImageList::Count() const {
    return ImageList_GetImageCount(list_.get());
}

}  // namespace ui
