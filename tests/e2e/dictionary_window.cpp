#include "dictionary_window.h"

#include <richedit.h>

#include "remote_memory.h"

namespace {

HWND Inside(HWND window, const wchar_t* groupCaption, const wchar_t* className) {
    HWND group = ChildWindow(window, L"TGroupBox", groupCaption);
    const auto found = ChildWindows(group, className);
    return found.empty() ? nullptr : found[0];
}

}  // namespace

DictionaryWindow::DictionaryWindow(LexoraApp& app, HWND w) : window(w), app_(app) {
    keywordBox = Inside(w, L"关键字查询{浏览全部直接点查询}", L"TComboBox");
    keywordEdit = FindWindowExW(keywordBox, nullptr, L"Edit", nullptr);
    keywordButton = Inside(w, L"关键字查询{浏览全部直接点查询}", L"TButton");
    initialsBox = Inside(w, L"首字母查询", L"TComboBox");
    initialsEdit = FindWindowExW(initialsBox, nullptr, L"Edit", nullptr);
    initialsButton = Inside(w, L"首字母查询", L"TButton");
    resultList = Inside(w, L"查询结果", L"TListBox");
    entryView = Inside(w, L"详细解释", L"TRichEdit");
    noteEditor = Inside(w, L"个人见解", L"TMemo");
    tree = Inside(w, L"浏览全部", L"TTreeView");
    statusBar = ChildWindows(w, L"TStatusBar")[0];
    toolBar = ChildWindows(w, L"TToolBar")[0];
}

void DictionaryWindow::SetBoxText(HWND box, const std::wstring& text) {
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool DictionaryWindow::ClickInto(HWND control) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    const DWORD thread = GetWindowThreadProcessId(control, nullptr);
    for (int i = 0; i < 500; ++i) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == control)
            return true;
        Sleep(10);
    }
    return false;
}

void DictionaryWindow::Type(HWND edit, const std::wstring& text) {
    for (wchar_t c : text)
        SendMessageW(edit, WM_CHAR, c, 1);
}

void DictionaryWindow::Press(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

void DictionaryWindow::PressLater(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

std::vector<std::wstring> DictionaryWindow::Results() const {
    std::vector<std::wstring> rows;
    const int count = static_cast<int>(SendMessageW(resultList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(resultList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

std::wstring DictionaryWindow::StatusText(int panel) const {
    RemoteMemory memory(app_.ProcessId(), 1024);
    SendMessageW(statusBar, SB_GETTEXTW, panel, memory.Address());
    std::wstring text = memory.ReadString(0, 500);
    while (!text.empty() && text.front() == L'\t')
        text.erase(0, 1);
    return text;
}

std::vector<std::wstring> DictionaryWindow::ViewLines() const {
    std::vector<std::wstring> lines;
    const std::wstring text = WindowText(entryView);
    size_t start = 0;
    for (size_t end; (end = text.find_first_of(L"\r\n", start)) != std::wstring::npos;) {
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
    }
    lines.push_back(text.substr(start));
    if (lines.size() == 1 && lines[0].empty())
        lines.clear();
    return lines;
}

ViewFormat DictionaryWindow::FormatOf(int line, int start, int length) const {
    // Character positions count a line break as one character, whatever
    // WM_GETTEXT writes for it.
    const std::wstring text = WindowText(entryView);
    int lineStart = 0, position = 0;
    for (size_t i = 0; i < text.size() && line > 0; ++i, ++position) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
            if (--line == 0)
                lineStart = position + 1;
        }
    }
    SendMessageW(entryView, EM_SETSEL, lineStart + start, lineStart + start + length);
    RemoteMemory memory(app_.ProcessId(), 1024);
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    memory.Write(&cf, sizeof cf);
    SendMessageW(entryView, EM_GETCHARFORMAT, SCF_SELECTION, memory.Address());
    memory.Read(&cf, sizeof cf);
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    memory.Write(&pf, sizeof pf, 512);
    SendMessageW(entryView, EM_GETPARAFORMAT, 0, memory.Address() + 512);
    memory.Read(&pf, sizeof pf, 512);
    SendMessageW(entryView, EM_SETSEL, 0, 0);
    ViewFormat f;
    f.pointSize = cf.yHeight / 20;
    f.bold = (cf.dwEffects & CFE_BOLD) != 0;
    f.color = cf.crTextColor;
    f.autoColor = (cf.dwEffects & CFE_AUTOCOLOR) != 0;
    f.centred = pf.wAlignment == PFA_CENTER;
    return f;
}

std::vector<HTREEITEM> DictionaryWindow::TreeChildren(HTREEITEM parent) const {
    std::vector<HTREEITEM> nodes;
    HTREEITEM node = reinterpret_cast<HTREEITEM>(SendMessageW(
        tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    for (; node; node = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                                 reinterpret_cast<LPARAM>(node)))) {
        nodes.push_back(node);
    }
    return nodes;
}

std::wstring DictionaryWindow::NodeText(HTREEITEM node) const {
    RemoteMemory memory(app_.ProcessId(), 2048);
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = static_cast<wchar_t*>(memory.At(512));
    item.cchTextMax = 256;
    memory.Write(&item, sizeof item);
    SendMessageW(tree, TVM_GETITEMW, 0, memory.Address());
    return memory.ReadString(512, 256);
}

void DictionaryWindow::SelectNode(HTREEITEM node) {
    PostMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
}

void DictionaryWindow::PressToolButton(int index, bool wait) {
    RemoteMemory memory(app_.ProcessId(), 256);
    SendMessageW(toolBar, TB_GETBUTTON, index, memory.Address());
    TBBUTTON b{};
    memory.Read(&b, sizeof b);
    const WPARAM command = MAKEWPARAM(b.idCommand, BN_CLICKED);
    if (wait) {
        SendMessageW(window, WM_COMMAND, command, reinterpret_cast<LPARAM>(toolBar));
    } else {
        PostMessageW(window, WM_COMMAND, command, reinterpret_cast<LPARAM>(toolBar));
    }
}
