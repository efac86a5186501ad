#pragma once
#include <string>

namespace vellox::win32 {

// Writes one line to the process's standard error, when it has one (a GUI
// program started from a terminal or by a test). Silent otherwise.
void writeStdError(const std::string& line);

}  // namespace vellox::win32
