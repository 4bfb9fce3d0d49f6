// Memory inside another process, for the control messages whose parameters
// point at structures (the receiving control reads and writes them there).
#pragma once

#include <windows.h>

#include <string>

class RemoteMemory {
  public:
    RemoteMemory(DWORD processId, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    void Write(const void* data, size_t size, size_t offset = 0);
    void Read(void* data, size_t size, size_t offset = 0) const;
    // A pointer into the block, for structures that point at other parts of it.
    void* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
    std::wstring ReadString(size_t offset, size_t maxChars) const;

  private:
    HANDLE process_;
    void* address_;
    size_t size_;
};
