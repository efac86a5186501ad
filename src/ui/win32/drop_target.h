#pragma once
#include <string>
#include <vector>
#include <windows.h>
#include <shellapi.h>
#include "platform/win32/handle.h"

namespace vellox::win32 {

// A drop's HDROP, released with DragFinish once read.
struct DropTraits {
  using Type = HDROP;
  static Type invalid() { return nullptr; }
  static bool isEmpty(Type h) { return h == nullptr; }
  static bool close(Type h) {
    DragFinish(h);
    return true;
  }
};
using UniqueDrop = UniqueResource<DropTraits>;

// The full paths a WM_DROPFILES carries, in order.
std::vector<std::string> droppedPaths(HDROP drop);

}  // namespace vellox::win32
