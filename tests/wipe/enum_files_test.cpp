#include <gtest/gtest.h>
#include "fakes/fake_files.h"
#include "wipe/forwarding_files.h"
#include "wipe/mod_enum_files.h"

namespace vellox::test {
namespace {

using Paths = std::vector<std::string>;

Paths walk(Files& files, std::string folder) {
  foundFiles.assign(1, "");
  enumFiles(files, folder);
  return foundFiles;
}

TEST(EnumFiles, DepthFirstPreOrderInListingOrderWithTrailingSeparator) {
  FakeFiles files;
  files.addFile("C:\\data\\a.txt");
  files.addFile("C:\\data\\sub\\b.txt");
  files.addFile("C:\\data\\sub\\deeper\\c.txt");
  files.addFile("C:\\data\\z.txt");
  std::string folder = "C:\\data";
  foundFiles.assign(1, "");
  enumFiles(files, folder);
  EXPECT_EQ(folder, "C:\\data\\");
  EXPECT_EQ(foundFiles,
            (Paths{"", "C:\\data\\a.txt", "C:\\data\\sub\\b.txt", "C:\\data\\sub\\deeper\\c.txt", "C:\\data\\z.txt"}));

  std::string already = "C:\\data\\";
  foundFiles.assign(1, "");
  enumFiles(files, already);
  EXPECT_EQ(already, "C:\\data\\");
  EXPECT_EQ(foundFiles.size(), 5u);
}

TEST(EnumFiles, ListsEveryKindOfFileButNoFolders) {
  FakeFiles files;
  files.addFile("C:\\d\\hidden").hidden = true;
  files.addFile("C:\\d\\system").system = true;
  files.addFile("C:\\d\\readonly").readOnly = true;
  files.addFolder("C:\\d\\empty1");
  files.addFolder("C:\\d\\empty2\\empty3");
  EXPECT_EQ(walk(files, "C:\\d"), (Paths{"", "C:\\d\\hidden", "C:\\d\\system", "C:\\d\\readonly"}));

  FakeFiles onlyFolders;
  onlyFolders.addFolder("C:\\e\\x\\y");
  onlyFolders.addFolder("C:\\e\\z");
  EXPECT_EQ(walk(onlyFolders, "C:\\e"), Paths{""});
}

TEST(EnumFiles, LinksAreNeitherListedNorFollowed) {
  FakeFiles files;
  files.addFile("C:\\d\\keep.txt");
  files.addFolder("C:\\d\\junction");
  files.node("C:\\d\\junction").link = true;
  files.addFile("C:\\d\\junction\\outside.txt");  // what the junction leads to
  files.addFile("C:\\d\\filelink").link = true;
  files.addFile("C:\\d\\last.txt");
  EXPECT_EQ(walk(files, "C:\\d"), (Paths{"", "C:\\d\\keep.txt", "C:\\d\\last.txt"}));
}

TEST(EnumFiles, AFolderThatCannotBeListedAddsNothingAndTheWalkGoesOn) {
  FakeFiles files;
  files.addFile("C:\\d\\a");
  files.addFile("C:\\d\\locked\\hidden.txt");
  files.addFile("C:\\d\\z");
  files.unlistable.push_back("C:\\d\\locked");
  EXPECT_EQ(walk(files, "C:\\d"), (Paths{"", "C:\\d\\a", "C:\\d\\z"}));
  EXPECT_EQ(walk(files, "C:\\missing"), Paths{""});
}

class CountingFiles : public ForwardingFiles {
 public:
  using ForwardingFiles::ForwardingFiles;
  std::optional<std::vector<DirEntry>> listFolder(const std::string& folder) override {
    listed.push_back(folder);
    return inner_.listFolder(folder);
  }
  Paths listed;
};

TEST(EnumFiles, EmptyTextNeverReachesTheWalk) {
  FakeFiles fake;
  fake.addFile("a.txt");  // a file at the top of the fake drive
  CountingFiles files(fake);
  for (std::string text : {"", "  ", "\t"}) {
    EXPECT_EQ(walk(files, text), Paths{""});
  }
  EXPECT_TRUE(files.listed.empty());
}

TEST(EnumFiles, NoLimitOnTheNumberOfFiles) {
  FakeFiles files;
  constexpr int kCount = 40000;
  for (int i = 0; i < kCount; ++i) files.addFile("C:\\many\\f" + std::to_string(i));
  const auto found = walk(files, "C:\\many");
  ASSERT_EQ(found.size(), kCount + 1u);
  EXPECT_EQ(found[32768], "C:\\many\\f32767");
  EXPECT_EQ(found.back(), "C:\\many\\f39999");
}

TEST(EnumFiles, DeepTreesAreWalkedWhole) {
  FakeFiles files;
  std::string path = "C:\\deep";
  for (int i = 0; i < 3000; ++i) path += "\\d";
  files.addFile(path + "\\bottom.txt");
  const auto found = walk(files, "C:\\deep");
  EXPECT_EQ(found, (Paths{"", path + "\\bottom.txt"}));
}

TEST(TrimAtNul, KeepsTheTextBeforeTheFirstNul) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string("abc\0def", 7), "abc"}, {"abc", "abc"}, {std::string("\0x", 2), ""}, {"", ""}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(trimAtNul(text), expected);
}

}  // namespace
}  // namespace vellox::test
