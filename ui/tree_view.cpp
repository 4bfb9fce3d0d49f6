#include "ui/tree_view.h"

#include "ui/image_list.h"
#include "ui/wide_text.h"
#include "ui/window_class.h"

namespace ui {

TTreeView::TTreeView(TComponent& owner, TControl* parent, int left, int top, int width, int height)
    : TControl(owner, parent) {
    RegisterSuperclass(WC_TREEVIEWW, L"TTreeView");
    CreateWnd(L"TTreeView",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                  TVS_SHOWSELALWAYS,
              WS_EX_CLIENTEDGE, left, top, width, height);
    SetColor(clWindow);
}

void TTreeView::SetIndent(int pixels) {
    SendMessageW(Handle(), TVM_SETINDENT, pixels, 0);
}

void TTreeView::SetImages(TImageList* images) {
    SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

HTREEITEM TTreeView::AddChild(HTREEITEM parent, std::string_view text, int imageIndex) {
    const std::wstring wide = Widen(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(wide.c_str());
    insert.item.iImage = imageIndex;
    insert.item.iSelectedImage = imageIndex;
    // Trees are built of tens of thousands of nodes: each goes to the window
    // procedure directly, without the system's message sending.
    return reinterpret_cast<HTREEITEM>(
        Perform(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TTreeView::DeleteNode(HTREEITEM node) {
    SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node));
}

void TTreeView::Clear() {
    SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

HTREEITEM TTreeView::Selected() const {
    return reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
}

std::string TTreeView::NodeText(HTREEITEM node) const {
    wchar_t buffer[512];
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = buffer;
    item.cchTextMax = 512;
    if (!SendMessageW(Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return {};
    return Narrow(buffer);
}

int TTreeView::Level(HTREEITEM node) const {
    int level = 0;
    while ((node = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_PARENT,
                                                            reinterpret_cast<LPARAM>(node)))) !=
           nullptr) {
        ++level;
    }
    return level;
}

void TTreeView::WndProc(TMessage& m) {
    if (m.Msg == CN_BASE + WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
        if (header->code == TVN_SELCHANGEDW) {
            if (OnChange)
                OnChange(*this);
            return;
        }
    }
    TControl::WndProc(m);
}

bool TTreeView::GetProperty(std::string_view name, PropertyValue& value) const {
    if (SameName(name, "BorderStyle")) {
        value = std::string("bsSingle");
        return true;
    }
    return TControl::GetProperty(name, value);
}

}  // namespace ui
