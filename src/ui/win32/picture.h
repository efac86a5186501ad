#pragma once
#include <windows.h>
#include "platform/win32/gdi.h"

namespace vellox::win32 {

// A bitmap resource shown in an SS_BITMAP static, scaled to the static's size in
// pixels (so it follows the DPI). Owns the bitmap it made.
class Picture {
 public:
  // Call again after a DPI change to redraw at the new size.
  bool show(HWND staticControl, HINSTANCE module, int bitmapId);

 private:
  GdiObject<HBITMAP> bitmap_;
};

}  // namespace vellox::win32
