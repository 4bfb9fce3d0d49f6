#include "app/resource_data.h"

std::span<const uint8_t> ResourceData(const wchar_t* name) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, name, reinterpret_cast<LPCWSTR>(RT_RCDATA));
    if (!found)
        return {};
    const HGLOBAL loaded = LoadResource(module, found);
    const auto* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (!data)
        return {};
    return {data, SizeofResource(module, found)};
}
