#include "ui/win32/guard.h"
#include <windows.h>
#include "app/app_identity.h"
#include "platform/win32/std_error.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

void reportUnexpectedError(const std::string& what) noexcept {
  try {
    const std::string text = "An unexpected error occurred: " + what;
    writeStdError(text);
    MessageBoxW(GetActiveWindow(), widen(text).c_str(), widen(kAppTitle).c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
  }
}

}  // namespace vellox::win32
