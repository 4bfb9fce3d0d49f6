// A tree of text nodes with pictures.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/control.h"

namespace ui {

class TImageList;

class TTreeView : public TControl {
  public:
    TTreeView(TComponent& owner, TControl* parent, int left, int top, int width, int height);
    std::string ClassName() const override { return "TTreeView"; }

    void SetIndent(int pixels);
    void SetImages(TImageList* images);

    // Appends a node as the last child of `parent` (null: at the top level).
    HTREEITEM AddChild(HTREEITEM parent, std::string_view text, int imageIndex);
    // Removes the node with its children.
    void DeleteNode(HTREEITEM node);
    void Clear();
    HTREEITEM Selected() const;
    std::string NodeText(HTREEITEM node) const;
    // 0 for a top-level node.
    int Level(HTREEITEM node) const;

    // The selection moved to another node (mouse or keyboard).
    TNotifyEvent OnChange;

    bool GetProperty(std::string_view name, PropertyValue& value) const override;

  protected:
    void WndProc(TMessage& message) override;
};

}  // namespace ui
