// An executable opened for its resources only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class ResourceModule {
  public:
    explicit ResourceModule(const wchar_t* path)
        : module_(LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ResourceModule() {
        if (module_)
            FreeLibrary(module_);
    }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    bool Loaded() const { return module_ != nullptr; }

    std::vector<uint8_t> Resource(const wchar_t* name, const wchar_t* type) const {
        HRSRC found = FindResourceW(module_, name, type);
        if (!found)
            return {};
        const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module_, found)));
        return {bytes, bytes + SizeofResource(module_, found)};
    }

  private:
    HMODULE module_;
};
