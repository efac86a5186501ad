#include "ui/win32/drop_target.h"
#include "platform/win32/text.h"

namespace vellox::win32 {

std::vector<std::string> droppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // Long paths do not fit MAX_PATH: ask for the length first.
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    if (DragQueryFileW(drop, i, path.data(), length + 1) != length) continue;
    path.resize(length);
    paths.push_back(narrow(path));
  }
  return paths;
}

}  // namespace vellox::win32
