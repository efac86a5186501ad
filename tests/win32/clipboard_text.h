#pragma once
#include <windows.h>
#include <cstring>
#include <string>

namespace vellox::test {

// Puts text on the clipboard as a program copying it would.
inline bool putClipboardText(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory || !OpenClipboard(nullptr)) return GlobalFree(memory) && false;
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  EmptyClipboard();
  const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;  // the clipboard owns it now
  CloseClipboard();
  if (!put) GlobalFree(memory);
  return put;
}

}  // namespace vellox::test
