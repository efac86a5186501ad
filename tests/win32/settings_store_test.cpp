#include <gtest/gtest.h>
#include <windows.h>
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_settings_store.h"
#include "registry_scratch.h"

namespace vellox::test {
namespace {

std::wstring rawString(const std::wstring& key, const std::wstring& name, DWORD& type, DWORD& size) {
  wchar_t data[256] = {};
  size = sizeof data;
  type = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) !=
      ERROR_SUCCESS)
    return L"<missing>";
  return data;
}

// The shared contract covers what comes back; this is what lands in the registry.
TEST(SettingsStoreOnWindows, ATextIsStoredAsRegSzUnderApplicationAndSection) {
  ScratchRegistryKey scratch;
  auto store = win32::makeSettingsStore(win32::makeRegistry(), scratch.pathText());
  store->saveSetting(" Tarn Vellox", "Settings", "shredlevel", "False");
  DWORD type = 0, size = 0;
  EXPECT_EQ(rawString(scratch.path() + L"\\ Tarn Vellox\\Settings", L"shredlevel", type, size), L"False");
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 6 * sizeof(wchar_t));
}

TEST(SettingsStoreOnWindows, AValueOfAnotherTypeCountsAsMissing) {
  ScratchRegistryKey scratch;
  const std::wstring settings = scratch.path() + L"\\ Tarn Vellox\\Settings";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, settings.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const DWORD one = 1;
  RegSetValueExW(key, L"autostart", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
  RegCloseKey(key);
  auto store = win32::makeSettingsStore(win32::makeRegistry(), scratch.pathText());
  EXPECT_EQ(store->getSetting(" Tarn Vellox", "Settings", "autostart", "0"), "0");
}

// The real store keeps the title's leading blank in its key name.
TEST(SettingsStoreOnWindows, TheProgramsStoreLivesUnderSoftwareAndTheTitle) {
  const std::wstring settings = L"Software\\ Tarn Vellox\\Settings";
  HKEY existing = nullptr;
  const bool existed = RegOpenKeyExW(HKEY_CURRENT_USER, settings.c_str(), 0, KEY_READ, &existing) == ERROR_SUCCESS;
  if (existing) RegCloseKey(existing);
  const std::string name = "probe-" + std::to_string(GetCurrentProcessId());
  const std::wstring wideName(name.begin(), name.end());

  auto store = win32::makeSettingsStore();
  store->saveSetting(" Tarn Vellox", "Settings", name, "1");
  DWORD type = 0, size = 0;
  EXPECT_EQ(rawString(settings, wideName, type, size), L"1");
  EXPECT_EQ(store->getSetting(" Tarn Vellox", "Settings", name, "0"), "1");

  RegDeleteKeyValueW(HKEY_CURRENT_USER, settings.c_str(), wideName.c_str());
  if (!existed) RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ Tarn Vellox");
}

}  // namespace
}  // namespace vellox::test
