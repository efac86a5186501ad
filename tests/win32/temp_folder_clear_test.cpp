#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "files_temp_dir.h"
#include "temp_variables.h"
#include "platform/win32/win32_services.h"
#include "wipe/forwarding_files.h"

namespace vellox::test {
namespace {

bool folderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(longForm(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(TempFolderOnWindows, EveryFileTwoLevelsDownIsShreddedOnceAndTheFoldersStay) {
  WinTempDir dir;
  ASSERT_FALSE(dir.path().empty());
  WinTempDir elsewhere;  // made before TMP points into the test folder
  TempVariables pointedAtTheTestFolder(toWide(dir.path() + "\\"));
  auto realFiles = win32::makeFiles();
  // Never go on unless the temporary folder is the test's own.
  ASSERT_EQ(realFiles->tempPath(), dir.path() + "\\");

  const std::string big(4 * 1024 + 520, 'a');
  ASSERT_TRUE(makeFile(dir / "a.tmp", big));
  ASSERT_TRUE(makeFile(dir / "one\\b.tmp", "bee"));
  ASSERT_TRUE(makeFile(dir / "one\\two\\c.tmp", ""));
  ASSERT_TRUE(makeFile(dir / "one\\two\\d.tmp", "dee"));
  ASSERT_TRUE(SetFileAttributesW(longForm(dir / "one\\two\\d.tmp").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(CreateDirectoryW(longForm(dir / "empty").c_str(), nullptr));
  // A name in the temporary folder for data that lives on elsewhere.
  ASSERT_TRUE(makeFile(elsewhere / "kept.bin", "shared data"));
  ASSERT_TRUE(CreateHardLinkW(longForm(dir / "one\\linked.bin").c_str(), longForm(elsewhere / "kept.bin").c_str(),
                              nullptr));

  TestEnv env;
  PassRecorder files(*realFiles);
  auto realSystemFolders = win32::makeSystemFolders();  // the test's own folder passes the real guard
  Services services{env.ui,   env.views,    env.settings,   env.registry, env.shell,        files,
                    env.urlCache, env.urlHistory, env.download, env.instance, *realSystemFolders};
  frmmain window(services, env.state, [] {});
  window.chkdeltempfiles.setValue(1);
  env.settle();

  for (const char* name : {"a.tmp", "one\\b.tmp", "one\\two\\c.tmp", "one\\two\\d.tmp", "one\\linked.bin"})
    EXPECT_FALSE(fileExists(dir / name)) << name;
  for (const char* name : {"one", "one\\two", "empty"}) EXPECT_TRUE(folderExists(dir / name)) << name;
  EXPECT_TRUE(folderExists(dir.path()));

  EXPECT_EQ(fileContents(elsewhere / "kept.bin"), "shared data");
  ASSERT_EQ(files.passes.size(), 4u) << "one pass per file, none for the shared one";
  ASSERT_EQ(files.deleted.size(), 4u) << "the shared one goes as a name";
  bool sawBig = false;
  for (const auto& contents : files.deleted) {
    EXPECT_EQ(contents.find_first_not_of('\x01'), std::string::npos) << "deleted only after the overwrite";
    if (contents.size() == 5 * 1024) sawBig = true;
  }
  EXPECT_TRUE(sawBig) << "4 blocks and 520 bytes are written as 5 blocks";
  auto& sbar = env.views.main->sbar;
  EXPECT_EQ(sbar.history, (std::vector<std::string>{"Deleting temp folder contents...", ""}));
  EXPECT_EQ(env.views.main->pointer.history, (std::vector<int>{kPointerBackground, kPointerDefault}));
}

}  // namespace
}  // namespace vellox::test
