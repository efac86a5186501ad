#include "platform/win32/win32_text_order.h"
#include <windows.h>
#include "platform/win32/text.h"

namespace vellox::win32 {

int Win32TextOrder::compare(std::string_view a, std::string_view b) const {
  const std::wstring first = widen(a), second = widen(b);
  const auto compareWith = [&](DWORD flags) {
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, flags, first.c_str(), static_cast<int>(first.size()),
                           second.c_str(), static_cast<int>(second.size()), nullptr, nullptr, 0);
  };
  int result = 0;
  if (!digitsRefused_) {
    result = compareWith(NORM_IGNORECASE | SORT_DIGITSASNUMBERS);
    if (result == 0 && GetLastError() == ERROR_INVALID_FLAGS) digitsRefused_ = true;
  }
  if (digitsRefused_) result = compareWith(NORM_IGNORECASE);
  // Zero is failure: order by code points, so sorting still ends.
  if (result == 0) return first < second ? -1 : first > second ? 1 : 0;
  return result - CSTR_EQUAL;
}

}  // namespace vellox::win32
