// The main window's dictionary controls, found and driven from outside.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "lexora_app.h"

// The attributes of a range of the entry view, read back from the control.
struct ViewFormat {
    int pointSize = 0;
    bool bold = false;
    COLORREF color = 0;
    bool autoColor = false;
    bool centred = false;
};

class DictionaryWindow {
  public:
    DictionaryWindow(LexoraApp& app, HWND window);

    HWND window;
    HWND keywordBox, keywordEdit, keywordButton;
    HWND initialsBox, initialsEdit, initialsButton;
    HWND resultList, entryView, noteEditor, tree, statusBar, toolBar;

    // Puts text into a box as if pasted (no search runs).
    void SetBoxText(HWND box, const std::wstring& text);
    // Clicks into a control and waits until it has the focus.
    bool ClickInto(HWND control);
    // Types characters into an edit control one by one.
    void Type(HWND edit, const std::wstring& text);
    // Presses a button and waits for its command to finish.
    void Press(HWND button);
    // Presses a button without waiting (it may open a modal message box).
    void PressLater(HWND button);

    std::vector<std::wstring> Results() const;
    std::wstring StatusText(int panel) const;
    std::vector<std::wstring> ViewLines() const;
    // The attributes of the characters [start, start + length) of a line.
    ViewFormat FormatOf(int line, int start, int length) const;
    std::wstring Note() const { return WindowText(noteEditor); }

    // The top-level nodes of the tree and the children of one.
    std::vector<HTREEITEM> TreeChildren(HTREEITEM parent) const;
    std::wstring NodeText(HTREEITEM node) const;
    void SelectNode(HTREEITEM node);

    // Runs a tool button's command (by its position on the bar) and waits.
    void PressToolButton(int index, bool wait = true);

  private:
    LexoraApp& app_;
};
