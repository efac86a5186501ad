#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <string>
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "recycle_bin_trash.h"
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

TEST(RecycleBinOnWindows, CheckingTheBoxEmptiesTheBinWithoutAsking) {
  ASSERT_TRUE(trashIsTheTestsOwn()) << "XDG_DATA_HOME must lie inside VELLOX_TEST_ROOT";
  ASSERT_TRUE(putInTrash(L"binned.txt"));
  ASSERT_TRUE(inTrash(L"binned.txt"));

  TestEnv env;
  auto shell = win32::makeShell();
  Services services{env.ui,    env.views,    env.settings,   env.registry, *shell,
                    env.files, env.urlCache, env.urlHistory, env.download, env.instance, env.systemFolders};
  frmmain window(services, env.state, [] {});
  window.chkEmptyRecycleBin.setValue(1);

  EXPECT_FALSE(inTrash(L"binned.txt"));
  EXPECT_EQ(env.views.main->sbar.history, (std::vector<std::string>{"Emptying Recycle bin...", ""}));
  EXPECT_TRUE(env.ui.messages.empty());
}

TEST(RecycleBinOnWindows, EmptyingAnEmptyBinReturnsWithoutADialog) {
  ASSERT_TRUE(trashIsTheTestsOwn()) << "XDG_DATA_HOME must lie inside VELLOX_TEST_ROOT";
  auto shell = win32::makeShell();
  shell->emptyRecycleBin(false);
  shell->emptyRecycleBin(true);
  EXPECT_EQ(FindWindowW(L"#32770", nullptr), nullptr);
  // Unasked, the shell shows no progress and plays no sound; asked, it may.
  EXPECT_EQ(win32::recycleBinFlags(false), static_cast<unsigned long>(SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND));
  EXPECT_EQ(win32::recycleBinFlags(true), static_cast<unsigned long>(SHERB_NOCONFIRMATION));
}

}  // namespace
}  // namespace vellox::test
