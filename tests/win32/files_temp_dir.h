#pragma once
#include <windows.h>
#include <string>
#include "platform/win32/text.h"

namespace vellox::test {

inline std::wstring toWide(const std::string& text) { return win32::widen(text); }
inline std::string toUtf8(const std::wstring& wide) { return win32::narrow(wide); }

// Any path of ours in the form without the 260-character limit.
inline std::wstring longForm(const std::string& path) { return L"\\\\?\\" + toWide(path); }

inline void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE found = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (found != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(path);
      else DeleteFileW(path.c_str());
    } while (FindNextFileW(found, &data));
    FindClose(found);
  }
  RemoveDirectoryW(folder.c_str());
}

// A folder of the test's own in the prefix's temporary folder, removed afterwards.
inline std::wstring tempFolder() {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  return temp;
}

class WinTempDir {
 public:
  // Under the temporary folder, or under `base` (ending with "\\") when given.
  explicit WinTempDir(const std::wstring& base = tempFolder()) {
    for (unsigned n = GetCurrentProcessId();; ++n) {
      const std::wstring candidate = base + L"vellox-wipe-" + std::to_wstring(n);
      if (CreateDirectoryW(candidate.c_str(), nullptr)) {
        path_ = toUtf8(candidate);
        break;
      }
      if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
  }
  ~WinTempDir() {
    if (!path_.empty()) removeTree(longForm(path_));
  }
  WinTempDir(const WinTempDir&) = delete;
  WinTempDir& operator=(const WinTempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Creates the folders on the way and the file with the given bytes; long paths welcome.
inline bool makeFile(const std::string& path, const std::string& contents) {
  const std::wstring wide = longForm(path);
  for (std::size_t cut = wide.find(L'\\', 7); cut != std::wstring::npos; cut = wide.find(L'\\', cut + 1))
    CreateDirectoryW(wide.substr(0, cut).c_str(), nullptr);
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == contents.size();
}

inline bool fileExists(const std::string& path) {
  return GetFileAttributesW(longForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string fileContents(const std::string& path) {
  HANDLE file = CreateFileW(longForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<unreadable>";
  std::string contents(1 << 20, '\0');
  DWORD got = 0;
  ReadFile(file, contents.data(), static_cast<DWORD>(contents.size()), &got, nullptr);
  CloseHandle(file);
  contents.resize(got);
  return contents;
}

}  // namespace vellox::test
