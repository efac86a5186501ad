#pragma once
#include <windows.h>
#include <shlobj.h>
#include <string>
#include "win32/recycle_bin_trash.h"

namespace vellox::e2e {

inline std::wstring knownFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// Creates the folders on the way.
inline void writeFile(const std::wstring& path, const std::string& contents) {
  SHCreateDirectoryExW(nullptr, path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
  test::writeNewFile(path, contents);
}

inline bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace vellox::e2e
