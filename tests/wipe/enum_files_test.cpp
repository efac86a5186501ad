#include <gtest/gtest.h>
#include "fakes/fake_files.h"
#include "wipe/forwarding_files.h"
#include "wipe/enum_files.h"

namespace vellox::test {
namespace {

using Paths = std::vector<std::string>;

// The walk's paths are literal: "\\?\" and the full path.
Paths literal(Paths paths) {
  for (auto& path : paths)
    if (!path.empty()) path = "\\\\?\\" + path;
  return paths;
}

Paths walk(Files& files, std::string folder, WalkResult* result = nullptr) {
  Paths foundFiles{""};
  auto walked = enumFiles(files, foundFiles, folder);
  if (result) *result = walked;
  return foundFiles;
}

TEST(EnumFiles, DepthFirstPreOrderInListingOrderWithTrailingSeparator) {
  FakeFiles files;
  files.addFile("C:\\data\\a.txt");
  files.addFile("C:\\data\\sub\\b.txt");
  files.addFile("C:\\data\\sub\\deeper\\c.txt");
  files.addFile("C:\\data\\z.txt");
  std::string folder = "C:\\data";
  Paths foundFiles{""};
  enumFiles(files, foundFiles, folder);
  EXPECT_EQ(folder, "C:\\data\\");
  EXPECT_EQ(foundFiles, literal({"", "C:\\data\\a.txt", "C:\\data\\sub\\b.txt", "C:\\data\\sub\\deeper\\c.txt",
                                 "C:\\data\\z.txt"}));

  std::string already = "C:\\data\\";
  foundFiles.assign(1, "");
  enumFiles(files, foundFiles, already);
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
  EXPECT_EQ(walk(files, "C:\\d"), literal({"", "C:\\d\\hidden", "C:\\d\\system", "C:\\d\\readonly"}));

  FakeFiles onlyFolders;
  onlyFolders.addFolder("C:\\e\\x\\y");
  onlyFolders.addFolder("C:\\e\\z");
  EXPECT_EQ(walk(onlyFolders, "C:\\e"), Paths{""});
}

// Links are never followed: name links are handed back for removal as names, links that
// hold data are left behind, and so are folders that could not be listed whole.
TEST(EnumFiles, LinksAndUnreadFoldersAreReportedNeverFollowed) {
  FakeFiles files;
  files.addFile("C:\\d\\keep.txt");
  files.addFolder("C:\\d\\junction");
  files.node("C:\\d\\junction").link = true;
  files.addFile("C:\\d\\junction\\outside.txt");  // what the junction leads to
  files.addFile("C:\\d\\filelink").link = true;
  files.addFile("C:\\d\\cloud.docx").dataLink = true;
  files.addFile("C:\\d\\locked\\hidden.txt");
  files.unlistable.push_back("C:\\d\\locked");
  files.addFile("C:\\d\\broken\\first.txt");
  files.addFile("C:\\d\\broken\\never-seen.txt");
  files.listingStopsAfter["C:\\d\\broken"] = 1;
  files.addFile("C:\\d\\last.txt");
  WalkResult result;
  EXPECT_EQ(walk(files, "C:\\d", &result),
            literal({"", "C:\\d\\keep.txt", "C:\\d\\broken\\first.txt", "C:\\d\\last.txt"}));
  EXPECT_EQ(result.links, literal({"C:\\d\\junction", "C:\\d\\filelink"}));
  std::vector<std::pair<std::string, std::string>> skipped;
  for (const auto& item : result.skipped) skipped.emplace_back(item.path, item.reason);
  EXPECT_EQ(skipped, (std::vector<std::pair<std::string, std::string>>{
                         {"\\\\?\\C:\\d\\cloud.docx", kDataLinkReason},
                         {"\\\\?\\C:\\d\\locked\\", "the folder could not be listed: access denied"},
                         {"\\\\?\\C:\\d\\broken\\",
                          "the folder's listing stopped early: The request could not be performed because of an I/O "
                          "device error."}}));

  // A folder that is not there leaves nothing behind.
  EXPECT_EQ(walk(files, "C:\\missing", &result), Paths{""});
  EXPECT_TRUE(result.skipped.empty());
}

class CountingFiles : public ForwardingFiles {
 public:
  using ForwardingFiles::ForwardingFiles;
  FolderListing readFolder(const std::string& folder) override {
    listed.push_back(folder);
    return inner_.readFolder(folder);
  }
  Paths listed;
};

// Empty text, or text that is not a full path, would be taken from the current folder.
TEST(EnumFiles, EmptyOrRelativeTextNeverReachesTheWalk) {
  FakeFiles fake;
  fake.addFile("a.txt");  // a file at the top of the fake drive
  fake.addFile("C:\\x.txt");
  CountingFiles files(fake);
  for (std::string text : {"", "  ", "\t", "a.txt", "C:", "\\"}) {
    EXPECT_EQ(walk(files, text), Paths{""}) << text;
  }
  EXPECT_TRUE(files.listed.empty());
}

TEST(EnumFiles, NoLimitOnTheNumberOfFiles) {
  FakeFiles files;
  constexpr int kCount = 40000;
  for (int i = 0; i < kCount; ++i) files.addFile("C:\\many\\f" + std::to_string(i));
  const auto found = walk(files, "C:\\many");
  ASSERT_EQ(found.size(), kCount + 1u);
  EXPECT_EQ(found[32768], "\\\\?\\C:\\many\\f32767");
  EXPECT_EQ(found.back(), "\\\\?\\C:\\many\\f39999");
}

TEST(EnumFiles, DeepTreesAreWalkedWhole) {
  FakeFiles files;
  std::string path = "C:\\deep";
  for (int i = 0; i < 3000; ++i) path += "\\d";
  files.addFile(path + "\\bottom.txt");
  const auto found = walk(files, "C:\\deep");
  EXPECT_EQ(found, literal({"", path + "\\bottom.txt"}));
}

TEST(TrimAtNul, KeepsTheTextBeforeTheFirstNul) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string("abc\0def", 7), "abc"}, {"abc", "abc"}, {std::string("\0x", 2), ""}, {"", ""}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(trimAtNul(text), expected);
}

}  // namespace
}  // namespace vellox::test
