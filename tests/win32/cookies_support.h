#pragma once
#include <windows.h>
#include <string>
#include "platform/win32/handle.h"
#include "platform/win32/reg_key.h"
#include "platform/win32/text.h"

namespace vellox::test {

// A cookie folder of the test's own in the prefix's temporary folder; removed with its files.
class CookieFolder {
 public:
  CookieFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    path_ = std::wstring(temp) + L"vellox-cookies-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter.QuadPart);
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~CookieFolder() { removeTree(path_); }
  CookieFolder(const CookieFolder&) = delete;
  CookieFolder& operator=(const CookieFolder&) = delete;

  std::string path() const { return win32::narrow(path_); }
  void write(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const std::wstring file = path_ + L"\\" + win32::widen(name);
    {
      win32::UniqueHandle h(
          CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!h) return;
      DWORD written = 0;
      WriteFile(h.get(), "cookie", 6, &written, nullptr);
    }
    SetFileAttributesW(file.c_str(), attributes);
  }
  void subfolder(const std::string& name) { CreateDirectoryW((path_ + L"\\" + win32::widen(name)).c_str(), nullptr); }
  bool exists(const std::string& name) const {
    return GetFileAttributesW((path_ + L"\\" + win32::widen(name)).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

 private:
  static void removeTree(const std::wstring& dir) {
    WIN32_FIND_DATAW data;
    win32::UniqueFindHandle found(FindFirstFileW((dir + L"\\*").c_str(), &data));
    if (found) {
      do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = dir + L"\\" + name;
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(full);
        else DeleteFileW(full.c_str());
      } while (FindNextFileW(found.get(), &data));
    }
    RemoveDirectoryW(dir.c_str());
  }
  std::wstring path_;
};

// Points the per-user Shell Folders "Cookies" value at `folder`; puts the old value back when dropped.
class ShellFoldersCookies {
 public:
  explicit ShellFoldersCookies(const std::string& folder) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    key_.reset(key);
    DWORD size = sizeof old_;
    DWORD type = 0;
    had_ = RegQueryValueExW(key_.get(), L"Cookies", nullptr, &type, reinterpret_cast<BYTE*>(old_), &size) == ERROR_SUCCESS &&
           type == REG_SZ;
    if (had_) oldBytes_ = size;
    set(win32::widen(folder));
  }
  ~ShellFoldersCookies() {
    if (had_) RegSetValueExW(key_.get(), L"Cookies", 0, REG_SZ, reinterpret_cast<const BYTE*>(old_), oldBytes_);
    else RegDeleteValueW(key_.get(), L"Cookies");
  }
  ShellFoldersCookies(const ShellFoldersCookies&) = delete;
  ShellFoldersCookies& operator=(const ShellFoldersCookies&) = delete;

  void set(const std::wstring& value) {
    RegSetValueExW(key_.get(), L"Cookies", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }

 private:
  static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  win32::UniqueRegKey key_;
  wchar_t old_[1024] = {};
  DWORD oldBytes_ = 0;
  bool had_ = false;
};

}  // namespace vellox::test
