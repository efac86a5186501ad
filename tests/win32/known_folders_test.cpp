#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <string>
#include <vector>
#include "files_temp_dir.h"
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

// One value of both Shell Folders keys, put back at the end: Wine rewrites "Shell Folders"
// from "User Shell Folders" when asked for a folder, so a move must set both.
class MovedShellFolder {
 public:
  MovedShellFolder(const wchar_t* value, const std::wstring& path) : value_(value) {
    for (std::size_t i = 0; i < 2; ++i) {
      DWORD size = sizeof saved_[i];
      RegGetValueW(HKEY_CURRENT_USER, kKeys[i], value_, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &types_[i],
                   saved_[i], &size);
      set(i, REG_SZ, path.c_str());
    }
  }
  ~MovedShellFolder() {
    for (std::size_t i = 0; i < 2; ++i) set(i, types_[i], saved_[i]);
  }
  MovedShellFolder(const MovedShellFolder&) = delete;
  MovedShellFolder& operator=(const MovedShellFolder&) = delete;

 private:
  void set(std::size_t key, DWORD type, const wchar_t* text) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKeys[key], value_, type, text, static_cast<DWORD>((wcslen(text) + 1) * 2));
  }
  static constexpr const wchar_t* kKeys[] = {
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"};
  const wchar_t* value_;
  DWORD types_[2] = {REG_SZ, REG_SZ};
  wchar_t saved_[2][MAX_PATH] = {};
};

TEST(Win32SystemFolders, ProtectsEveryKnownFolderWithAPlaceMovedOnesIncluded) {
  WinTempDir dir;
  const std::string moved = dir / "Moved Documents";
  ASSERT_TRUE(CreateDirectoryW(toWide(moved).c_str(), nullptr));
  const MovedShellFolder documents(L"Personal", toWide(moved));
  const auto folders = win32::makeSystemFolders()->protectedFolders();
  EXPECT_GT(folders.size(), 13u) << "more than the folders the program names itself";
  auto named = [&](const std::string& name, SystemFolderKind kind) {
    return std::count_if(folders.begin(), folders.end(), [&](const SystemFolder& folder) {
      return folder.name == name && folder.kind == kind && !folder.path.empty();
    });
  };
  EXPECT_EQ(named("Desktop", SystemFolderKind::UserFolder), 1);
  EXPECT_EQ(named("Local AppData", SystemFolderKind::Known), 1);
  EXPECT_EQ(named("AppData", SystemFolderKind::Known), 1);
  EXPECT_EQ(named("Windows", SystemFolderKind::Windows), 1);
  const bool movedDocuments = std::any_of(folders.begin(), folders.end(), [&](const SystemFolder& folder) {
    return folder.name == "Documents" && folder.path == moved;
  });
  EXPECT_TRUE(movedDocuments);
}

TEST(Win32SystemFolders, CookieFoldersAreTheSystemsOwnNewestFirst) {
  const auto cookies = win32::makeSystemFolders()->cookieFolders();
  ASSERT_FALSE(cookies.empty());
  EXPECT_NE(cookies.front().find("\\INetCookies"), std::string::npos) << cookies.front();
  for (const auto& folder : cookies) EXPECT_EQ(folder.find("\\\\?\\"), std::string::npos) << folder;
}

}  // namespace
}  // namespace vellox::test
