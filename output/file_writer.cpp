#include "output/file_writer.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "ui/wide_text.h"
#include "ui/win_handle.h"

namespace output {
namespace {

std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = text ? text : L"";
    LocalFree(text);
    while (!reason.empty() &&
           (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
        reason.pop_back();
    }
    return reason.empty() ? "错误代码 " + std::to_string(error) : Narrow(reason);
}

}  // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes) {
    const std::wstring widePath = Widen(path);
    ui::OwnedHandle file(CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        throw std::runtime_error("Cannot create file \"" + path + "\". " +
                                 SystemReason(GetLastError()));
    }
    size_t written = 0;
    while (written < bytes.size()) {
        DWORD chunk = 0;
        const DWORD size = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1 << 20));
        if (!WriteFile(file.get(), bytes.data() + written, size, &chunk, nullptr) || chunk == 0) {
            const DWORD error = GetLastError();
            file.reset();
            DeleteFileW(widePath.c_str());
            throw std::runtime_error("Cannot write file \"" + path + "\". " + SystemReason(error));
        }
        written += chunk;
    }
}

}  // namespace output
