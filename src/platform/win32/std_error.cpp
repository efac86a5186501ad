#include "platform/win32/std_error.h"
#include <windows.h>

namespace vellox::win32 {

void writeStdError(const std::string& line) {
  HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  const std::string text = "vellox: " + line + "\n";
  DWORD written = 0;
  WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace vellox::win32
