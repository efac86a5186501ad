#include "platform/win32/std_error.h"
#include <windows.h>
#include <memory>
#include "platform/win32/text.h"

namespace vellox::win32 {

namespace {
struct LocalFreeDeleter {
  void operator()(wchar_t* p) const { LocalFree(p); }
};
}  // namespace

void writeStdError(const std::string& line) {
  HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  const std::string text = "vellox: " + line + "\n";
  DWORD written = 0;
  WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

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
