#include "app/messages.h"

#include <windows.h>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/wide_text.h"

namespace {

void Show(std::string_view text, const std::wstring& caption, UINT icon) {
    ui::TForm* main = ui::Application().MainForm();
    HWND owner = main && main->Visible() ? main->Handle() : nullptr;
    MessageBoxW(owner, Widen(text).c_str(), caption.c_str(), MB_OK | icon);
}

}  // namespace

void ShowConfirmation(std::string_view text) {
    Show(text, L"确认", MB_ICONINFORMATION);
}

void ShowRefusal(std::string_view text) {
    Show(text, L"确认", MB_ICONWARNING);
}

void ShowPlainMessage(std::string_view text) {
    Show(text, Widen(ui::Application().Title()), 0);
}
