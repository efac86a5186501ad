#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <string>
#include <vector>
#include "files_temp_dir.h"
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

// Documents moved for the test's length and put back at the end: Wine rewrites "Shell Folders"
// from "User Shell Folders" when asked for a folder, so a move sets both.
struct MovedDocuments {
  explicit MovedDocuments(const std::wstring& path) {
    for (std::size_t i = 0; i < 2; ++i) {
      DWORD size = sizeof saved[i];
      RegGetValueW(HKEY_CURRENT_USER, kKeys[i], L"Personal", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                   &types[i], saved[i], &size);
      set(i, REG_SZ, path.c_str());
    }
  }
  ~MovedDocuments() {
    for (std::size_t i = 0; i < 2; ++i) set(i, types[i], saved[i]);
  }
  static void set(std::size_t key, DWORD type, const wchar_t* text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKeys[key], L"Personal", type, text, static_cast<DWORD>((wcslen(text) + 1) * 2));
  }
  static constexpr const wchar_t* kKeys[] = {
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"};
  DWORD types[2] = {REG_SZ, REG_SZ};
  wchar_t saved[2][MAX_PATH] = {};
};

TEST(Win32SystemFolders, ProtectsEveryKnownFolderWithAPlaceMovedOnesIncluded) {
  WinTempDir dir;
  const std::string moved = dir / "Moved Documents";
  ASSERT_TRUE(CreateDirectoryW(toWide(moved).c_str(), nullptr));
  const MovedDocuments documents(toWide(moved));
  const auto folders = win32::makeSystemFolders()->protectedFolders();
  EXPECT_GT(folders.size(), 13u) << "more than the folders the program names itself";
  using Kind = SystemFolderKind;
  const std::pair<const char*, Kind> once[] = {{"Desktop", Kind::UserFolder}, {"Local AppData", Kind::Known},
                                               {"AppData", Kind::Known}, {"Windows", Kind::Windows}};
  for (const auto& [name, kind] : once)
    EXPECT_EQ(std::ranges::count_if(folders, [&](const auto& f) { return f.name == name && f.kind == kind; }), 1)
        << name << " named once";
  EXPECT_TRUE(
      std::ranges::any_of(folders, [&](const SystemFolder& f) { return f.name == "Documents" && f.path == moved; }));
}

TEST(Win32SystemFolders, CookieFoldersAreTheSystemsOwnNewestFirst) {
  const auto cookies = win32::makeSystemFolders()->cookieFolders();
  ASSERT_FALSE(cookies.empty());
  EXPECT_NE(cookies.front().find("\\INetCookies"), std::string::npos) << cookies.front();
  for (const auto& folder : cookies) EXPECT_EQ(folder.find("\\\\?\\"), std::string::npos) << folder;
}

}  // namespace
}  // namespace vellox::test
