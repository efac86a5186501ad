#pragma once
#include <gtest/gtest.h>
#include <string>
#include "platform/system_folders.h"

namespace vellox::test {

// Where SystemFolders::resolve takes a link, in every form of the service: discovery follows a
// browser's moved folder to this place. `Env` gives service(), root() (an empty folder of the
// test's own, spelled as resolve gives it), join(folder, name), makeFolder(path), makeFile(path)
// and makeLink(target, link) for a link to a folder.
template <class Env>
class FolderLinksContract : public testing::Test {
 protected:
  Env env;
};

TYPED_TEST_SUITE_P(FolderLinksContract);

TYPED_TEST_P(FolderLinksContract, ALinkToAFolderResolvesToWhereItLeadsAndSoDoNamesBelowIt) {
  auto& env = this->env;
  const std::string moved = env.join(env.root(), "moved");
  env.makeFolder(moved);
  env.makeFolder(env.join(moved, "inner"));
  env.makeFile(env.join(moved, "note.txt"));
  env.makeLink(moved, env.join(env.root(), "to-folder"));
  const struct {
    std::string asked;
    FolderState state;
    std::string finalPath;
  } cases[] = {
      {env.join(env.root(), "to-folder"), FolderState::Folder, moved},
      {env.join(env.join(env.root(), "to-folder"), "inner"), FolderState::Folder, env.join(moved, "inner")},
      {env.join(env.join(env.root(), "to-folder"), "note.txt"), FolderState::NotAFolder, ""},
  };
  for (const auto& c : cases) {
    const FolderLookup found = env.service().resolve(c.asked);
    EXPECT_EQ(found.state, c.state) << c.asked;
    EXPECT_EQ(found.finalPath, c.finalPath) << c.asked;
  }
}

REGISTER_TYPED_TEST_SUITE_P(FolderLinksContract, ALinkToAFolderResolvesToWhereItLeadsAndSoDoNamesBelowIt);

}  // namespace vellox::test
