#include "platform/win32/text.h"
#include <climits>
#include <windows.h>

namespace vellox::win32 {

namespace {

std::wstring toWide(std::string_view bytes, UINT codePage) {
  std::wstring out;
  if (bytes.empty() || bytes.size() > INT_MAX) return out;
  const int length = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return out;
  out.resize(static_cast<size_t>(needed));
  MultiByteToWideChar(codePage, 0, bytes.data(), length, out.data(), needed);
  return out;
}

}  // namespace

std::wstring widen(std::string_view utf8) { return toWide(utf8, CP_UTF8); }

std::wstring widenAnsi(std::string_view ansi) { return toWide(ansi, CP_ACP); }

std::string narrow(std::wstring_view utf16) {
  std::string out;
  if (utf16.empty() || utf16.size() > INT_MAX) return out;
  const int length = static_cast<int>(utf16.size());
  const int needed = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return out;
  out.resize(static_cast<size_t>(needed));
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, out.data(), needed, nullptr, nullptr);
  return out;
}

}  // namespace vellox::win32
