#pragma once
#include <windows.h>

namespace vellox::win32 {

// The DPI the window is shown at (per monitor where the system knows it).
UINT dpiOf(HWND hwnd);

// Twips are 1/1440 inch: the unit the form logic measures list widths in.
int twipsToPixels(double twips, UINT dpi);
double pixelsToTwips(int pixels, UINT dpi);
int scaleForDpi(int pixelsAt96, UINT dpi);

// A system metric (icon sizes and the like) at the given DPI. Before Windows 10
// 1607 the system has one DPI: its metric is scaled from that one.
int systemMetricForDpi(int index, UINT dpi);

// Keeps the dialog manager of Windows 10 1703 and later from rescaling the
// dialog itself on a DPI change: the window does it, on every version.
void takeOverDialogDpiScaling(HWND dialog);

}  // namespace vellox::win32
