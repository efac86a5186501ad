#pragma once
#include <string>
#include <windows.h>

namespace vellox::test {

// A key of the test's own under HKEY_CURRENT_USER, deleted with all below it at the end.
class ScratchRegistryKey {
 public:
  ScratchRegistryKey()
      : path_(L"Software\\Tarn Vellox Tests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount64())) {
    RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
  }
  ~ScratchRegistryKey() {
    if (key_) RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tarn Vellox Tests");  // only when no other test uses it
  }
  ScratchRegistryKey(const ScratchRegistryKey&) = delete;
  ScratchRegistryKey& operator=(const ScratchRegistryKey&) = delete;

  HKEY key() const { return key_; }
  const std::wstring& path() const { return path_; }
  // The path in the program's UTF-8 form.
  std::string pathText() const { return std::string(path_.begin(), path_.end()); }

  LONG set(const std::wstring& name, DWORD type, const void* data, DWORD size) const {
    return RegSetValueExW(key_, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  }

 private:
  std::wstring path_;
  HKEY key_ = nullptr;
};

// The system's own message for an error code, as the oracle for what a user is shown.
inline std::string systemMessage(DWORD code) {
  wchar_t buffer[512] = {};
  DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                           512, nullptr);
  std::string text;
  for (DWORD i = 0; i < n; ++i) text += static_cast<char>(buffer[i] < 0x80 ? buffer[i] : '?');
  return text;
}

}  // namespace vellox::test
