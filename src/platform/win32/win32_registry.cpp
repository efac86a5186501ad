#include <windows.h>
#include "platform/win32/reg_key.h"
#include "platform/win32/std_error.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {

class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(UniqueRegKey key) : key_(std::move(key)) {}

  long queryInfo(const std::string& name, std::uint32_t& type, std::uint32_t& size) override {
    DWORD t = 0;
    DWORD cb = 0;
    const LONG rc = RegQueryValueExW(key_.get(), widen(name).c_str(), nullptr, &t, nullptr, &cb);
    if (rc == ERROR_SUCCESS) {
      type = t;
      size = cb;
    }
    return rc;
  }

  long queryData(const std::string& name, std::vector<std::uint8_t>& data) override {
    DWORD cb = static_cast<DWORD>(data.size());
    const LONG rc = RegQueryValueExW(key_.get(), widen(name).c_str(), nullptr, nullptr, data.data(), &cb);
    if (rc == ERROR_SUCCESS) data.resize(cb);
    return rc;
  }

  long queryText(const std::string& name, std::uint32_t room, std::string& text) override {
    // Filled with NULs first: the stored data need not end with one.
    std::wstring buffer((room + 1) / 2, L'\0');
    DWORD cb = room;
    const LONG rc = RegQueryValueExW(key_.get(), widen(name).c_str(), nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(buffer.data()), &cb);
    if (rc != ERROR_SUCCESS) return rc;
    buffer.resize(cb / sizeof(wchar_t));
    text = narrow(buffer);
    return ERROR_SUCCESS;
  }

  long setString(const std::string& name, const std::string& value) override {
    const std::wstring data = widen(value);
    const DWORD cb = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.get(), widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), cb);
  }

  long setMultiString(const std::string& name, const std::vector<std::string>& values) override {
    std::wstring data;
    for (const auto& value : values) data += widen(value) + L'\0';
    if (data.empty()) data += L'\0';
    const DWORD cb = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.get(), widen(name).c_str(), 0, REG_MULTI_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), cb);
  }

  long deleteValue(const std::string& name) override { return RegDeleteValueW(key_.get(), widen(name).c_str()); }

  long setData(const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    return RegSetValueExW(key_.get(), widen(name).c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
  }

  long values(std::vector<RegValue>& values) override {
    DWORD count = 0, longestName = 0, longestData = 0;
    LONG rc = RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                               &longestName, &longestData, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    values.clear();
    values.reserve(count);
    std::wstring name(longestName + 1, L'\0');
    std::vector<std::uint8_t> data(longestData);
    for (DWORD i = 0;; ++i) {
      DWORD nameLength = static_cast<DWORD>(name.size()), type = 0, size = static_cast<DWORD>(data.size());
      rc = RegEnumValueW(key_.get(), i, name.data(), &nameLength, nullptr, &type, data.data(), &size);
      if (rc == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
      if (rc != ERROR_SUCCESS) return rc;
      values.push_back({narrow(std::wstring_view(name.data(), nameLength)), type,
                        std::vector<std::uint8_t>(data.begin(), data.begin() + size)});
    }
  }

  long subkeys(std::vector<std::string>& names) override {
    DWORD count = 0, longest = 0;
    LONG rc = RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    names.clear();
    std::wstring name(longest + 1, L'\0');
    for (DWORD i = 0;; ++i) {
      DWORD length = static_cast<DWORD>(name.size());
      rc = RegEnumKeyExW(key_.get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
      if (rc != ERROR_SUCCESS) return rc;
      names.push_back(narrow(std::wstring_view(name.data(), length)));
    }
  }

  long counts(std::size_t& subkeys, std::size_t& values) override {
    DWORD keys = 0, vals = 0;
    const LONG rc = RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &vals, nullptr,
                                     nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    subkeys = keys;
    values = vals;
    return ERROR_SUCCESS;
  }

 private:
  UniqueRegKey key_;
};

class Win32Registry : public Registry {
 public:
  long open(RegRoot, const std::string& subkey, RegAccess access, std::unique_ptr<RegistryKey>& key) override {
    HKEY raw = nullptr;
    const std::wstring path = widen(subkey);
    const LONG rc = access == RegAccess::Write
                        ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &raw,
                                          nullptr)
                        : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &raw);
    if (rc != ERROR_SUCCESS) return rc;
    key = std::make_unique<Win32RegistryKey>(UniqueRegKey(raw));
    return ERROR_SUCCESS;
  }

  long deleteTree(RegRoot, const std::string& subkey) override {
    return RegDeleteTreeW(HKEY_CURRENT_USER, widen(subkey).c_str());
  }

  std::string errorText(long code) override { return systemErrorText(static_cast<DWORD>(code)); }
};

}  // namespace

std::unique_ptr<Registry> makeRegistry() { return std::make_unique<Win32Registry>(); }

}  // namespace vellox::win32
