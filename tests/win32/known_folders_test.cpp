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
    for (const wchar_t* key : kKeys) {
      saved_.push_back(read(key));
      RegSetKeyValueW(HKEY_CURRENT_USER, key, value_, REG_SZ, path.c_str(),
                      static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    }
  }
  ~MovedShellFolder() {
    for (std::size_t i = 0; i < saved_.size(); ++i)
      RegSetKeyValueW(HKEY_CURRENT_USER, kKeys[i], value_, saved_[i].type, saved_[i].data.data(),
                      static_cast<DWORD>(saved_[i].data.size()));
  }
  MovedShellFolder(const MovedShellFolder&) = delete;
  MovedShellFolder& operator=(const MovedShellFolder&) = delete;

 private:
  static constexpr const wchar_t* kKeys[] = {
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"};
  struct Saved {
    DWORD type = REG_SZ;
    std::vector<BYTE> data;
  };
  Saved read(const wchar_t* key) const {
    Saved saved;
    DWORD size = 0;
    RegGetValueW(HKEY_CURRENT_USER, key, value_, RRF_RT_ANY | RRF_NOEXPAND, &saved.type, nullptr, &size);
    saved.data.resize(size);
    RegGetValueW(HKEY_CURRENT_USER, key, value_, RRF_RT_ANY | RRF_NOEXPAND, &saved.type, saved.data.data(), &size);
    return saved;
  }
  const wchar_t* value_;
  std::vector<Saved> saved_;
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
