#include "cache/get_str_from_ptr.h"
#include <cstring>

namespace vellox {

std::string GetStrFromPtrA(const char* lpszA) {
  if (lpszA == nullptr) return {};
  return std::string(lpszA, std::strlen(lpszA));
}

}  // namespace vellox
