#include "ui/win32/picture.h"

namespace vellox::win32 {

namespace {

// A copy of `source` stretched to width x height with halftone filtering.
GdiObject<HBITMAP> scaled(HBITMAP source, int width, int height) {
  BITMAP info{};
  if (!GetObjectW(source, sizeof(info), &info)) return {};
  ScopedGetDC screen(nullptr);
  UniqueMemoryDC from(CreateCompatibleDC(screen.get()));
  UniqueMemoryDC to(CreateCompatibleDC(screen.get()));
  // 24 bits, no alpha: common controls 6 would otherwise show a private copy.
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 24;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> result(CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (from && to && result) {
    ScopedSelectObject selectFrom(from.get(), source);
    ScopedSelectObject selectTo(to.get(), result.get());
    SetStretchBltMode(to.get(), HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
  return result;
}

}  // namespace

bool Picture::show(HWND staticControl, HINSTANCE module, int bitmapId) {
  RECT area{};
  if (!staticControl || !GetClientRect(staticControl, &area) || area.right <= 0 || area.bottom <= 0) return false;
  GdiObject<HBITMAP> original(static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!original) return false;
  GdiObject<HBITMAP> fitted = scaled(original.get(), area.right, area.bottom);
  if (!fitted) return false;
  GdiObject<HBITMAP> previous(reinterpret_cast<HBITMAP>(
      SendMessageW(staticControl, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fitted.get()))));
  // Common controls 6 may have shown a copy of an earlier bitmap: that copy is ours to free.
  if (previous.get() == bitmap_.get()) previous.release();
  bitmap_ = std::move(fitted);
  return true;
}

}  // namespace vellox::win32
