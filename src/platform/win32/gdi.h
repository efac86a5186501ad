#pragma once
#include <windows.h>
#include "platform/win32/handle.h"

namespace vellox::win32 {

// GDI objects: bitmaps, fonts, brushes, pens.
template <class T>
struct GdiObjectTraits {
  using Type = T;
  static Type invalid() { return nullptr; }
  static bool isEmpty(Type h) { return h == nullptr; }
  static bool close(Type h) { return DeleteObject(h) != 0; }
};
template <class T>
using GdiObject = UniqueResource<GdiObjectTraits<T>>;

struct IconTraits {
  using Type = HICON;
  static Type invalid() { return nullptr; }
  static bool isEmpty(Type h) { return h == nullptr; }
  static bool close(Type h) { return DestroyIcon(h) != 0; }
};
using UniqueIcon = UniqueResource<IconTraits>;

// Memory device contexts from CreateCompatibleDC.
struct MemoryDCTraits {
  using Type = HDC;
  static Type invalid() { return nullptr; }
  static bool isEmpty(Type h) { return h == nullptr; }
  static bool close(Type h) { return DeleteDC(h) != 0; }
};
using UniqueMemoryDC = UniqueResource<MemoryDCTraits>;

struct MenuTraits {
  using Type = HMENU;
  static Type invalid() { return nullptr; }
  static bool isEmpty(Type h) { return h == nullptr; }
  static bool close(Type h) { return DestroyMenu(h) != 0; }
};
using UniqueMenu = UniqueResource<MenuTraits>;

// A window's device context for one scope.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ScopedGetDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects an object into a DC for one scope and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectObject() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace vellox::win32
