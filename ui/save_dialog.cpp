#include "ui/save_dialog.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "ui/common_dialogs.h"
#include "ui/wide_text.h"

namespace ui {

TSaveDialog::TSaveDialog(TComponent& owner) : TComponent(&owner) {}

bool TSaveDialog::Execute(HWND ownerWindow) {
    // The filter's pairs are separated by NUL characters and end with two.
    std::wstring filter = Widen(Filter);
    for (wchar_t& c : filter) {
        if (c == L'|')
            c = L'\0';
    }
    filter.append(2, L'\0');
    std::wstring extension = Widen(DefaultExt);
    if (!extension.empty() && extension.front() == L'.')
        extension.erase(0, 1);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring proposed = Widen(FileName);
    proposed.copy(file.data(), std::min(proposed.size(), file.size() - 1));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ownerWindow;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR |
                (OverwritePrompt ? OFN_OVERWRITEPROMPT : 0);
    if (!SaveFileDialogBox(ofn)) {
        if (const DWORD error = CommonDialogError(); error != 0) {
            throw std::runtime_error("文件对话框出错（代码 " + std::to_string(error) + "）");
        }
        return false;
    }
    FileName = Narrow(file.data());
    return true;
}

}  // namespace ui
