#include "skin/window/executable_bitmaps.h"

#include <windows.h>

#include "skin/bmp_file.h"
#include "ui/wide_text.h"

namespace skin::window {

std::optional<Bitmap> ExecutableBitmaps::Load(std::string_view name) const {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, Widen(name).c_str(), RT_BITMAP);
    if (!found)
        return std::nullopt;
    const HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return std::nullopt;
    return ReadPackedDib(static_cast<const uint8_t*>(bytes), SizeofResource(module, found));
}

}  // namespace skin::window
