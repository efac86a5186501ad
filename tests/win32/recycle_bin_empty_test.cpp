#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "app/frmmain.h"
#include "fakes/test_env.h"
#include "files_temp_dir.h"
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

std::wstring variable(const wchar_t* name) {
  wchar_t value[32768];
  const DWORD n = GetEnvironmentVariableW(name, value, 32768);
  return n ? std::wstring(value, n) : std::wstring();
}

// Wine's Recycle Bin is $XDG_DATA_HOME/Trash of the Linux user, reached through Z:.
std::string trashFolder() {
  std::wstring unixPath = variable(L"XDG_DATA_HOME") + L"/Trash";
  for (auto& c : unixPath)
    if (c == L'/') c = L'\\';
  return toUtf8(L"Z:" + unixPath);
}

// Emptying the bin deletes real files: refuse unless it is the test run's own.
bool trashIsTheTestsOwn() {
  const std::wstring root = variable(L"VELLOX_TEST_ROOT");
  const std::wstring data = variable(L"XDG_DATA_HOME");
  return !root.empty() && data.size() > root.size() && data.compare(0, root.size(), root) == 0 &&
         data[root.size()] == L'/';
}

TEST(RecycleBinOnWindows, CheckingTheBoxEmptiesTheBinWithoutAsking) {
  ASSERT_TRUE(trashIsTheTestsOwn()) << "XDG_DATA_HOME must lie inside VELLOX_TEST_ROOT";
  const std::string trash = trashFolder();
  ASSERT_TRUE(makeFile(trash + "\\files\\binned.txt", "old data"));
  ASSERT_TRUE(makeFile(trash + "\\info\\binned.txt.trashinfo",
                       "[Trash Info]\nPath=/tmp/binned.txt\nDeletionDate=2026-12-07T21:00:00\n"));

  TestEnv env;
  auto shell = win32::makeShell();
  Services services{env.ui,    env.views,    env.settings,   env.registry, *shell,
                    env.files, env.urlCache, env.urlHistory, env.download, env.instance};
  frmmain window(services, [] {});
  window.chkEmptyRecycleBin.setValue(1);

  EXPECT_FALSE(fileExists(trash + "\\files\\binned.txt"));
  EXPECT_FALSE(fileExists(trash + "\\info\\binned.txt.trashinfo"));
  EXPECT_EQ(env.views.main->sbar.history, (std::vector<std::string>{"Emptying Recycle bin...", ""}));
  EXPECT_TRUE(env.ui.messages.empty());
}

TEST(RecycleBinOnWindows, EmptyingAnEmptyBinReturnsWithoutADialog) {
  ASSERT_TRUE(trashIsTheTestsOwn()) << "XDG_DATA_HOME must lie inside VELLOX_TEST_ROOT";
  auto shell = win32::makeShell();
  shell->emptyRecycleBin();
  shell->emptyRecycleBin();
  EXPECT_EQ(FindWindowW(L"#32770", nullptr), nullptr);
}

}  // namespace
}  // namespace vellox::test
