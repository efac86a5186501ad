#pragma once
#include <windows.h>
#include <string>

namespace vellox::test {

// Puts text on the clipboard as a program copying it would.
inline bool putClipboardText(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory || !OpenClipboard(nullptr)) return GlobalFree(memory) && false;
  CopyMemory(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  const bool put = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);  // then the clipboard owns it
  CloseClipboard();
  return put || (GlobalFree(memory) && false);
}

}  // namespace vellox::test
