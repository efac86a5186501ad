#include "ui/win32/dpi.h"
#include <cmath>
#include "platform/win32/gdi.h"

namespace vellox::win32 {

namespace {

// A user32 function that older systems lack, or null.
template <class Fn>
Fn user32Function(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT systemDpi() { return dpiOf(nullptr); }

}  // namespace

UINT dpiOf(HWND hwnd) {
  // GetDpiForWindow exists from Windows 10 1607 on; older systems have one DPI.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && hwnd) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi != 0) return dpi;
  }
  ScopedGetDC screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

// Rounded down, so that widths split from a whole (halves of a list) never add up
// to more pixels than the whole and make a scroll bar appear.
int twipsToPixels(double twips, UINT dpi) { return static_cast<int>(std::floor(twips * dpi / 1440.0 + 1e-6)); }

double pixelsToTwips(int pixels, UINT dpi) { return pixels * 1440.0 / (dpi ? dpi : 96); }

int scaleForDpi(int pixelsAt96, UINT dpi) { return MulDiv(pixelsAt96, static_cast<int>(dpi), 96); }

}  // namespace vellox::win32

namespace vellox::win32 {

int systemMetricForDpi(int index, UINT dpi) {
  using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
  static const auto forDpi = user32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

void takeOverDialogDpiScaling(HWND dialog) {
  using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
  constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
  static const auto setBehavior = user32Function<SetDialogDpiChangeBehaviorFn>("SetDialogDpiChangeBehavior");
  if (setBehavior) setBehavior(dialog, kDisableAll, kDisableAll);
}

}  // namespace vellox::win32
