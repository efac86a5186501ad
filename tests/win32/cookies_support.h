#pragma once
#include <windows.h>
#include <string>
#include "files_temp_dir.h"
#include "platform/win32/reg_key.h"
#include "platform/win32/text.h"

namespace vellox::test {

// A cookie folder of the test's own in the prefix's temporary folder; removed with its files.
class CookieFolder {
 public:
  std::string path() const { return dir_.path(); }
  void write(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    makeFile(dir_ / name, "cookie");
    SetFileAttributesW(longForm(dir_ / name).c_str(), attributes);
  }
  void subfolder(const std::string& name) { CreateDirectoryW(longForm(dir_ / name).c_str(), nullptr); }
  bool exists(const std::string& name) const { return fileExists(dir_ / name); }

 private:
  WinTempDir dir_;
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
