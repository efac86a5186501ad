#include "platform/win32/system_error_text.h"
#include <windows.h>
#include <memory>
#include "platform/win32/text.h"

namespace vellox::win32 {

namespace {
struct LocalFreeDeleter {
  void operator()(wchar_t* p) const { LocalFree(p); }
};
}  // namespace

std::string systemErrorText(unsigned long error) {
  wchar_t* raw = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&raw), 0, nullptr);
  std::unique_ptr<wchar_t, LocalFreeDeleter> owned(raw);
  if (length == 0 || !owned) return "";
  return narrow(std::wstring_view(owned.get(), length));
}

}  // namespace vellox::win32
