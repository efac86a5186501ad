#pragma once
#include <string>

namespace vellox::win32 {

// Writes one line to the process's standard error, when it has one (a GUI
// program started from a terminal or by a test). Silent otherwise.
void writeStdError(const std::string& line);

// The system's own text for an error code, as it gives it (usually ending in "\r\n");
// empty when it has none.
std::string systemErrorText(unsigned long error);

}  // namespace vellox::win32
