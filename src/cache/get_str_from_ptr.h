#pragma once
#include <string>

namespace vellox {

// The NUL-terminated 8-bit string at `lpszA`, byte for byte; empty for null.
std::string GetStrFromPtrA(const char* lpszA);

}  // namespace vellox
