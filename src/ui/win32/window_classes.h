#pragma once
#include <string>
#include <windows.h>
#include "platform/win32/gdi.h"

namespace vellox::win32 {

// Registers the dialog classes the templates name (main window, splash), once.
void registerWindowClasses(HINSTANCE module);

// The program's icon at the given size in pixels.
UniqueIcon loadProgramIcon(HINSTANCE module, int size);

// The program's title, from the resources of `module`.
std::string programTitle(HINSTANCE module);

}  // namespace vellox::win32
