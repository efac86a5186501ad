#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <string>
#include <vector>
#include "app/main_window.h"
#include "contracts/system_folders_contract.h"
#include "fakes/test_env.h"
#include "files_temp_dir.h"
#include "platform/win32/win32_services.h"
#include "temp_variables.h"
#include "unix_link.h"

namespace vellox::test {
namespace {

struct RealSystemFoldersEnv {
  WinTempDir dir;
  std::unique_ptr<UnixLink> link;  // gone before the folder
  std::unique_ptr<SystemFolders> folders = win32::makeSystemFolders();
  SystemFolders& service() { return *folders; }
  std::string root() const { return dir.path(); }
  std::string driveRoot() const { return "C:\\"; }
  void makeFolder(const std::string& path) { ASSERT_TRUE(CreateDirectoryW(longForm(path).c_str(), nullptr)); }
  void makeFile(const std::string& path) { ASSERT_TRUE(test::makeFile(path, "x")); }
  void makeLink(const std::string& target, const std::string& path) {
    link = std::make_unique<UnixLink>(target, path);
    ASSERT_TRUE(link->made());
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Real, SystemFoldersContract, RealSystemFoldersEnv);

// Only the temporary folder's name comes from the system; every other call lands
// in memory, so a guard that fails can never touch the folders these tests name.
class MemoryFilesWithRealTemp : public FakeFiles {
 public:
  explicit MemoryFilesWithRealTemp(Files& real) : real_(real) {}
  std::string tempPath() override { return real_.tempPath(); }
  FolderListing readFolder(const std::string& folder) override {
    listed.push_back(folder);
    return FakeFiles::readFolder(folder);
  }
  std::vector<std::string> listed;

 private:
  Files& real_;
};

std::string variable(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  GetEnvironmentVariableW(name, value, MAX_PATH);
  return toUtf8(value);
}

std::string upperCase(std::string text) {
  std::wstring wide = toWide(text);
  CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return toUtf8(wide);
}

std::string windowsFolder() {
  wchar_t folder[MAX_PATH] = {};
  GetSystemWindowsDirectoryW(folder, MAX_PATH);
  return toUtf8(folder);
}

TEST(TempFolderGuardOnWindows, TmpAtARootOrAUsersFolderClearsNothingAndNamesTheFolder) {
  const std::string profile = variable(L"USERPROFILE");
  ASSERT_GT(profile.size(), 3u);
  const struct {
    std::string temp;
    std::string why;  // empty: the folder may be cleared
  } rows[] = {
      {"C:\\", "is the root of a drive"},
      {upperCase(profile) + "\\", "is your user profile folder"},
      {profile.substr(0, profile.rfind('\\') + 1), "holds your user profile folder, " + profile},
      {profile + "\\Documents\\", "is your Documents folder"},
      {windowsFolder() + "\\system32\\", "is inside the Windows folder, " + windowsFolder()},
      {windowsFolder() + "\\temp\\", ""},
  };
  auto realFiles = win32::makeFiles();
  auto realFolders = win32::makeSystemFolders();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.temp);
    TempVariables pointed(toWide(row.temp));
    ASSERT_EQ(realFiles->tempPath(), row.temp);
    TestEnv env;
    MemoryFilesWithRealTemp files(*realFiles);
    files.addFolder(row.temp.substr(0, row.temp.size() - 1));  // for the gate to open before it lists
    Services services{env.ui,       env.views,      env.settings, env.registry, env.shell,   files,
                      env.urlCache, env.urlHistory, env.download, env.instance, *realFolders, env.processes, env.freeSpace};
    frmmain window(services, env.state, [] {});
    window.chkdeltempfiles.setValue(1);
    env.settle();

    if (row.why.empty()) {
      // The walk lists the folder's literal form.
      EXPECT_EQ(files.listed, std::vector<std::string>{"\\\\?\\" + row.temp.substr(0, row.temp.size() - 1)})
          << "an allowed folder is walked";
      EXPECT_TRUE(env.ui.messages.empty());
      continue;
    }
    EXPECT_TRUE(files.listed.empty());
    EXPECT_TRUE(files.sessions.empty());
    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_NE(env.ui.messages[0].text.find("\n" + row.temp + "\n" + row.why + "."), std::string::npos)
        << env.ui.messages[0].text;
    EXPECT_EQ(env.ui.messages[0].icon, MsgIcon::Exclamation);
  }
}

}  // namespace
}  // namespace vellox::test
