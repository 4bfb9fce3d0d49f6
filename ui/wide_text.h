// UTF-8 text (the program's own) to and from UTF-16 (the Win32 API's).
#pragma once

#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
