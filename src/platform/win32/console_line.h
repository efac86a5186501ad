#pragma once
#include <string>

namespace vellox::win32 {

// Writes one line where the user who started the program reads it: the standard output when
// it leads somewhere (a pipe, a file), else the console of the process that started this one,
// when it has one. A program of the window subsystem has no console of its own.
void sayOnConsole(const std::string& line);

// Ctrl+C or Ctrl+Break was pressed in that console; the first call starts listening.
bool consoleAskedToStop();

}  // namespace vellox::win32
