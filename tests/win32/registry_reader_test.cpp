#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <vector>
#include "common/registry_values.h"
#include "fakes/test_env.h"
#include "platform/win32/win32_services.h"
#include "registry_scratch.h"

namespace vellox::test {
namespace {

// The fakes of TestEnv, with the real registry in place of the fake one.
struct RealRegistryEnv {
  TestEnv env;
  std::unique_ptr<Registry> registry = win32::makeRegistry();
  Services services{env.ui,    env.views,      env.settings, *registry, env.shell,
                    env.files, env.urlCache,   env.urlHistory, env.download, env.instance, env.systemFolders};
};

TEST(RegistryReaderOnWindows, ValuesOfEachTypeReadAsText) {
  ScratchRegistryKey scratch;
  ASSERT_NE(scratch.key(), nullptr);
  const wchar_t withNul[] = L"C:\\Cookies";
  const wchar_t unicode[] = L"D:\\\x03A9mega \x00FCn\x00EF";
  const wchar_t expand[] = L"%TEMP%\\cookies";
  const DWORD allOnes = 0xFFFFFFFF;
  const DWORD small = 300;
  const BYTE binary[] = {0x41, 0x42, 0x00};
  struct Case {
    const wchar_t* name;
    DWORD type;
    const void* data;
    DWORD size;
    std::string expected;
  };
  const Case cases[] = {
      {L"sz with NUL", REG_SZ, withNul, sizeof withNul, "C:\\Cookies"},
      {L"sz without NUL", REG_SZ, withNul, sizeof withNul - sizeof(wchar_t), "C:\\Cookies"},
      {L"sz unicode", REG_SZ, unicode, sizeof unicode, "D:\\\xCE\xA9mega \xC3\xBCn\xC3\xAF"},
      {L"expand sz", REG_EXPAND_SZ, expand, sizeof expand, "%TEMP%\\cookies"},
      {L"dword all ones", REG_DWORD, &allOnes, sizeof allOnes, "-1"},
      {L"dword 300", REG_DWORD, &small, sizeof small, "300"},
      {L"binary", REG_BINARY, binary, sizeof binary, ""},
  };
  for (const auto& c : cases) ASSERT_EQ(scratch.set(c.name, c.type, c.data, c.size), ERROR_SUCCESS);

  RealRegistryEnv real;
  for (const auto& c : cases) {
    std::string name(c.name, c.name + wcslen(c.name));
    EXPECT_EQ(getRegValue(real.services, RegRoot::CurrentUser, scratch.pathText(), name), c.expected) << name;
  }
  EXPECT_TRUE(real.env.ui.messages.empty());
}

TEST(RegistryReaderOnWindows, AMissingValueShowsTheSystemTextForCodeTwo) {
  ScratchRegistryKey scratch;
  RealRegistryEnv real;
  EXPECT_EQ(getRegValue(real.services, RegRoot::CurrentUser, scratch.pathText(), "Cookies"), "");
  ASSERT_EQ(real.env.ui.messages.size(), 1u);
  const auto& shown = real.env.ui.messages[0];
  EXPECT_FALSE(systemMessage(ERROR_FILE_NOT_FOUND).empty());
  EXPECT_EQ(shown.text, systemMessage(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(shown.caption, " Tarn Vellox");
  EXPECT_EQ(shown.icon, MsgIcon::None);
  EXPECT_EQ(shown.buttons, MsgButtons::Ok);
}

TEST(RegistryReaderOnWindows, AMissingKeyShowsTheSystemTextOfTheOpen) {
  ScratchRegistryKey scratch;
  RealRegistryEnv real;
  EXPECT_EQ(getRegValue(real.services, RegRoot::CurrentUser, scratch.pathText() + "\\absent", "Cookies"), "");
  ASSERT_EQ(real.env.ui.messages.size(), 1u);
  EXPECT_EQ(real.env.ui.messages[0].text, systemMessage(ERROR_FILE_NOT_FOUND));
}

TEST(RegistryReaderOnWindows, TheShellFoldersCookiesValueIsReadable) {
  RealRegistryEnv real;
  const std::string cookies = getRegValue(real.services, RegRoot::CurrentUser,
                                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                          "Cookies");
  EXPECT_EQ(cookies.substr(1, 2), ":\\");
  EXPECT_TRUE(real.env.ui.messages.empty());
}

// The shared contract covers the key's calls; this is what lands in the registry.
TEST(RegistryKeyOnWindows, StringsAreStoredAsRegSzWithTheirNul) {
  ScratchRegistryKey scratch;
  auto registry = win32::makeRegistry();
  std::unique_ptr<RegistryKey> key;
  const std::string path = scratch.pathText() + "\\Run";
  ASSERT_EQ(registry->open(RegRoot::CurrentUser, path, RegAccess::Write, key), kRegOk);
  ASSERT_EQ(key->setString(" Tarn Vellox", "\"C:\\Program Files\\Tarn Vellox\\vellox.exe\""), kRegOk);

  const std::wstring run = scratch.path() + L"\\Run";
  wchar_t data[128] = {};
  DWORD type = 0;
  DWORD size = sizeof data;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, run.c_str(), L" Tarn Vellox", RRF_RT_ANY | RRF_NOEXPAND, &type, data,
                         &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::wstring(data), L"\"C:\\Program Files\\Tarn Vellox\\vellox.exe\"");
  EXPECT_EQ(size, (wcslen(data) + 1) * sizeof(wchar_t)) << "stored with its NUL";

  EXPECT_EQ(key->deleteValue(" Tarn Vellox"), kRegOk);
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, run.c_str(), L" Tarn Vellox", RRF_RT_ANY, nullptr, nullptr, nullptr),
            ERROR_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace vellox::test
