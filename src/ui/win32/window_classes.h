#pragma once
#include <windows.h>

namespace vellox::win32 {

// Registers a plain window class once (a second call finds it registered).
void registerWindowClass(HINSTANCE module, const wchar_t* name, WNDPROC proc);

// Registers the dialog classes the templates name (main window, splash), once.
void registerWindowClasses(HINSTANCE module);

// The program's icon at the given size in pixels (owned by the caller).
HICON loadProgramIcon(HINSTANCE module, int size);

}  // namespace vellox::win32
