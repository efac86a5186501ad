#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "wipe/explorer_verb.h"
#include "fakes/test_env.h"
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

// The command Windows would run, read with the system's own call; empty when missing.
std::wstring commandOf(const wchar_t* verbKey) {
  wchar_t text[512] = {};
  DWORD bytes = sizeof(text);
  const std::wstring key = std::wstring(verbKey) + L"\\command";
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS)
    return L"";
  return text;
}

bool keyExists(const wchar_t* key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

TEST(ExplorerVerbRegistry, BothVerbsAreWrittenWithTheQuotedCommandAndRemovedWhole) {
  const wchar_t* verbs[] = {L"Software\\Classes\\*\\shell\\TarnVellox.Shred",
                            L"Software\\Classes\\Directory\\shell\\TarnVellox.Shred"};
  TestEnv env;
  env.instance.folder = "C:\\Program Files\\Tarn \xCE\xA9";  // Tarn Ω
  auto registry = win32::makeRegistry();
  Services services{env.ui,    env.views,      env.settings, *registry,    env.shell,        env.files,
                    env.urlCache, env.urlHistory, env.download, env.instance, env.systemFolders};
  ASSERT_FALSE(explorerVerbPresent(services));

  ASSERT_EQ(setExplorerVerb(services, true), kRegOk);
  for (const wchar_t* verb : verbs)
    EXPECT_EQ(commandOf(verb), L"\"C:\\Program Files\\Tarn \u03A9\\vellox.exe\" --wipe \"%1\"");
  EXPECT_TRUE(explorerVerbPresent(services));

  ASSERT_EQ(setExplorerVerb(services, false), kRegOk);
  for (const wchar_t* verb : verbs) EXPECT_FALSE(keyExists(verb));
  EXPECT_TRUE(keyExists(L"Software\\Classes"));
  EXPECT_FALSE(explorerVerbPresent(services));
  EXPECT_EQ(setExplorerVerb(services, false), kRegOk) << "removing what is gone is not an error";
}

}  // namespace
}  // namespace vellox::test
