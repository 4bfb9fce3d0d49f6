// The executable's own data resources (RCDATA): the About window's pictures
// and the skins the program carries.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

// The bytes of the resource, which live as long as the program; empty when
// there is none.
std::span<const uint8_t> ResourceData(const wchar_t* name);
