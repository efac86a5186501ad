#pragma once
#include <windows.h>

namespace vellox::win32 {

// The DPI the window is shown at (per monitor where the system knows it).
UINT dpiOf(HWND hwnd);

// Twips are 1/1440 inch: the unit the form logic measures list widths in.
int twipsToPixels(double twips, UINT dpi);
double pixelsToTwips(int pixels, UINT dpi);
int scaleForDpi(int pixelsAt96, UINT dpi);

}  // namespace vellox::win32
