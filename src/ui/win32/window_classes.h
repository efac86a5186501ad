#pragma once
#include <windows.h>

namespace vellox::win32 {

// Registers the dialog classes the templates name (main window, splash), once.
void registerWindowClasses(HINSTANCE module);

// The program's icon at the given size in pixels (owned by the caller).
HICON loadProgramIcon(HINSTANCE module, int size);

}  // namespace vellox::win32
