#pragma once
#include <gtest/gtest.h>
#include <set>
#include <string>
#include "platform/system_folders.h"

namespace vellox::test {

// What every SystemFolders keeps, the real one and the fake alike. `Env` gives
// service(), root() (an empty folder of the test's own, spelled as stored),
// makeFolder(path), makeFile(path) and driveRoot().
template <class Env>
class SystemFoldersContract : public testing::Test {
 protected:
  Env env;
};

TYPED_TEST_SUITE_P(SystemFoldersContract);

TYPED_TEST_P(SystemFoldersContract, AFolderResolvesToItsStoredSpellingWhateverLettersCaseAskedFor) {
  auto& env = this->env;
  const std::string folder = env.root() + "\\\xC3\x84rger \xCE\xA9mega";  // "Ärger Ωmega"
  env.makeFolder(folder);
  for (const std::string& asked : {folder, env.root() + "\\\xC3\xA4RGER \xCF\x89MEGA"}) {  // "äRGER ωMEGA"
    const FolderLookup found = env.service().resolve(asked);
    EXPECT_EQ(found.state, FolderState::Folder) << asked;
    EXPECT_EQ(found.finalPath, folder) << asked;
  }
  // Discovery follows a browser's moved folder to where its link leads.
  env.makeFolder(env.root() + "\\plain");
  env.makeLink(env.root() + "\\plain", env.root() + "\\moved");
  EXPECT_EQ(env.service().resolve(env.root() + "\\moved").finalPath, env.root() + "\\plain");
  const FolderLookup root = env.service().resolve(env.driveRoot());
  EXPECT_EQ(root.state, FolderState::Folder);
  EXPECT_EQ(root.finalPath, env.driveRoot()) << "a root keeps its separator";
}

TYPED_TEST_P(SystemFoldersContract, FilesAndMissingNamesAreNoFolders) {
  auto& env = this->env;
  env.makeFile(env.root() + "\\note.txt");
  const struct {
    std::string path;
    FolderState state;
  } cases[] = {
      {env.root() + "\\note.txt", FolderState::NotAFolder},
      {env.root() + "\\none", FolderState::Missing},
      {env.root() + "\\none\\deeper", FolderState::Missing},
  };
  for (const auto& c : cases) {
    const FolderLookup found = env.service().resolve(c.path);
    EXPECT_EQ(found.state, c.state) << c.path;
    EXPECT_EQ(found.finalPath, "") << c.path;
  }
}

TYPED_TEST_P(SystemFoldersContract, NamesAreTheSameWhenOnlyTheirLettersCaseDiffers) {
  const struct {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"Temp", "tEMP", true},
      {"\xC3\x84rger", "\xC3\xA4RGER", true},                          // Ärger, äRGER
      {"\xD0\x9F\xD1\x80\xD0\xB8", "\xD0\xBF\xD0\xA0\xD0\x98", true},  // При, пРИ
      {"Stra\xC3\x9F" "e", "STRASSE", false},                          // ß is one letter, not two
      {"Temp", "Temp ", false},
      {"Temp", "Tem", false},
      {"a\xC3\xA9", "ae", false},  // é is not e
  };
  for (const auto& c : cases) EXPECT_EQ(this->env.service().sameName(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TYPED_TEST_P(SystemFoldersContract, TheProtectedFoldersNameTheUsersAndTheSystemsOwn) {
  std::set<std::string> userFolders;
  std::set<SystemFolderKind> kinds;
  for (const auto& f : this->env.service().protectedFolders()) {
    kinds.insert(f.kind);
    if (f.kind == SystemFolderKind::UserFolder) userFolders.insert(f.name);
    EXPECT_TRUE(f.path.size() > 3 && f.path[1] == ':' && f.path[2] == '\\') << f.name << ": " << f.path;
  }
  EXPECT_EQ(userFolders, (std::set<std::string>{"Desktop", "Documents", "Downloads", "Music", "Pictures", "Videos"}));
  // Every other known folder too, AppData among them.
  EXPECT_EQ(kinds, (std::set<SystemFolderKind>{SystemFolderKind::Profile, SystemFolderKind::UserFolder,
                                               SystemFolderKind::Windows, SystemFolderKind::Programs,
                                               SystemFolderKind::Known}));
}

TYPED_TEST_P(SystemFoldersContract, TheAppDataFoldersAreTwoFoldersInsideTheUsersProfile) {
  std::string profile;
  for (const auto& f : this->env.service().protectedFolders())
    if (f.kind == SystemFolderKind::Profile) profile = f.path;
  ASSERT_FALSE(profile.empty());
  const AppDataFolders appData = this->env.service().appDataFolders();
  for (const std::string& folder : {appData.local, appData.roaming}) {
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.rfind(profile + "\\", 0), 0u) << folder << " is not inside " << profile;
    EXPECT_NE(folder.back(), '\\') << folder;
  }
  EXPECT_NE(appData.local, appData.roaming);
}

REGISTER_TYPED_TEST_SUITE_P(SystemFoldersContract, AFolderResolvesToItsStoredSpellingWhateverLettersCaseAskedFor,
                            FilesAndMissingNamesAreNoFolders, NamesAreTheSameWhenOnlyTheirLettersCaseDiffers,
                            TheProtectedFoldersNameTheUsersAndTheSystemsOwn,
                            TheAppDataFoldersAreTwoFoldersInsideTheUsersProfile);

}  // namespace vellox::test
