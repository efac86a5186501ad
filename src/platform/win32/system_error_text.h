#pragma once
#include <string>

namespace vellox::win32 {

// The system's own text for an error code, as it gives it (usually ending in "\r\n");
// empty when it has none.
std::string systemErrorText(unsigned long error);

}  // namespace vellox::win32
