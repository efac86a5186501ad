#pragma once
#include <optional>
#include <string>

namespace vellox::win32 {

// The \\?\ form of an absolute path ("X:\..." or "\\server\share\..."), made by hand: "/" becomes
// "\", doubled separators and "." go, ".." takes off the name before it, and every other name
// keeps each of its characters. The system's own full-path call would also strip trailing dots
// and blanks, and "report." would then name its neighbour "report". Nothing for relative or
// drive-relative text, and for device paths; text already in \\?\ form is taken as it is.
std::optional<std::wstring> literalFormOf(const std::wstring& text);

}  // namespace vellox::win32
