#include "remote_memory.h"

RemoteMemory::RemoteMemory(DWORD processId, size_t size)
    : process_(
          OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
      address_(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
      size_(size) {}

RemoteMemory::~RemoteMemory() {
    if (address_)
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_)
        CloseHandle(process_);
}

void RemoteMemory::Write(const void* data, size_t size, size_t offset) {
    WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
}

void RemoteMemory::Read(void* data, size_t size, size_t offset) const {
    ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
}

std::wstring RemoteMemory::ReadString(size_t offset, size_t maxChars) const {
    std::wstring text(maxChars, L'\0');
    Read(text.data(), maxChars * sizeof(wchar_t), offset);
    text.resize(wcsnlen(text.c_str(), maxChars));
    return text;
}
