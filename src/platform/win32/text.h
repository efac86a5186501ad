#pragma once
#include <string>
#include <string_view>

namespace vellox::win32 {

// The program's text is UTF-8; Win32's W functions take UTF-16. Invalid input
// is converted with replacement characters rather than failing.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// Bytes in the ANSI code page (CP_ACP), as some Windows stores keep them, shown as UTF-16.
std::wstring widenAnsi(std::string_view ansi);

}  // namespace vellox::win32
