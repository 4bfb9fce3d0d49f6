#include "app/run_key.h"

#include <windows.h>

#include "ui/wide_text.h"

namespace {

constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run key, created when it is missing.
class OpenRunKey {
  public:
    OpenRunKey() {
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key_, nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~OpenRunKey() {
        if (key_)
            RegCloseKey(key_);
    }
    OpenRunKey(const OpenRunKey&) = delete;
    OpenRunKey& operator=(const OpenRunKey&) = delete;

    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

const std::wstring& ValueName() {
    static const std::wstring name = Widen(settings::kAutostartValueName);
    return name;
}

}  // namespace

void RunKey::Register(const std::string& command) {
    const OpenRunKey key;
    const std::wstring data = Widen(command);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    if (!key.Get() ||
        RegSetValueExW(key.Get(), ValueName().c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(data.c_str()), bytes) != ERROR_SUCCESS) {
        throw settings::AutostartError();
    }
}

void RunKey::Unregister() {
    const OpenRunKey key;
    if (!key.Get())
        return;
    RegDeleteValueW(key.Get(), ValueName().c_str());
    RegDeleteTreeW(key.Get(), ValueName().c_str());
}
