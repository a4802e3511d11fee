#pragma once

#include <string>
#include <string_view>

// The program's texts are UTF-8; Win32's wide functions take UTF-16. Converting here,
// rather than through the ANSI functions, gives the number reading the same bytes as on
// Linux whatever code page the system runs with.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
