#pragma once
#include <windows.h>
#include <cstring>
#include <string>

namespace vellox::test {

// Puts text on the clipboard as a program copying it would.
inline bool putClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool put = false;
  if (void* data = memory ? GlobalLock(memory) : nullptr) {
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(memory);
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the clipboard owns it now
  }
  if (!put && memory) GlobalFree(memory);
  CloseClipboard();
  return put;
}

}  // namespace vellox::test
