#pragma once
#include <windows.h>
#include "platform/win32/handle.h"

namespace vellox::win32 {

struct RegKeyTraits {
  using Type = HKEY;
  static Type invalid() { return nullptr; }
  static bool isEmpty(Type h) { return h == nullptr; }
  static bool close(Type h) { return RegCloseKey(h) == ERROR_SUCCESS; }
};
using UniqueRegKey = UniqueResource<RegKeyTraits>;

}  // namespace vellox::win32
