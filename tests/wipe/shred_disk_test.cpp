#include <gtest/gtest.h>
#include <sys/stat.h>
#include <algorithm>
#include <filesystem>
#include "platform/posix/posix_files.h"
#include "wipe/forwarding_files.h"
#include "wipe/mod_enum_files.h"
#include "wipe/mod_secure_wipe.h"
#include "wipe/pass_checks.h"
#include "wipe/temp_dir.h"

namespace fs = std::filesystem;

namespace vellox::test {
namespace {

TEST(ShredOnDisk, PassesWriteTheBlocksOfTheFileAsMeasuredEachTime) {
  TempDir dir;
  auto real = posix::makeFiles();
  checkPassArithmetic(*real, dir / "victim.bin", [](const std::string& path, const std::string& contents) {
    writeText(path, contents);
    return true;
  });
}

TEST(ShredOnDisk, LargeFilesAreWrittenInLargeWrites) {
  TempDir dir;
  auto real = posix::makeFiles();
  const std::string path = dir / "large.bin";
  writeText(path, std::string(5 * 1024 * 1024 + 3, 'L'));
  PassRecorder files(*real);
  EXPECT_TRUE(shredFile(files, path, 2));
  ASSERT_EQ(files.passes.size(), 2u);
  EXPECT_EQ(files.passes[0].largestWrite, 1024u * 1024u);
  EXPECT_EQ(files.deleted.at(0).size(), (5u * 1024u + 2u) * 1024u);
}

TEST(ShredOnDisk, ReadOnlyFileIsOverwrittenThenDeleted) {
  TempDir dir;
  auto real = posix::makeFiles();
  const std::string path = dir / "readonly.txt";
  writeText(path, "private");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  PassRecorder files(*real);
  EXPECT_TRUE(shredFile(files, path, 3));
  EXPECT_EQ(files.passes.size(), 3u);
  EXPECT_FALSE(fs::exists(path));
}

// Everything outside the chosen folder, and the links inside it, stay as they were.
TEST(ShredOnDisk, AFolderWipeNeverReachesThroughLinks) {
  TempDir dir;
  const std::string target = dir / "target", outside = dir / "outside";
  writeText(outside + "/secret.txt", "outside file");
  writeText(outside + "/dir/inner.txt", "outside folder");
  writeText(target + "/a.txt", "a");
  writeText(target + "/sub/b.txt", "b");
  fs::create_symlink(outside + "/secret.txt", target + "/file_link");
  fs::create_directory_symlink(outside + "/dir", target + "/dir_link");
  fs::create_directory_symlink(target, target + "/sub/loop");
  fs::create_symlink(dir / "nowhere", target + "/dangling");

  auto files = posix::makeFiles();
  foundFiles.assign(1, "");
  std::string folder = target;
  enumFiles(*files, folder);
  std::vector<std::string> found(foundFiles.begin() + 1, foundFiles.end());
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{target + "/a.txt", target + "/sub/b.txt"}));
  for (const auto& path : found) EXPECT_TRUE(shredFile(*files, path, 3));

  // Named directly, a link is not written through either.
  EXPECT_FALSE(shredFile(*files, target + "/file_link", 3));

  EXPECT_EQ(readText(outside + "/secret.txt"), "outside file");
  EXPECT_EQ(readText(outside + "/dir/inner.txt"), "outside folder");
  EXPECT_TRUE(fs::is_symlink(target + "/dir_link"));
  EXPECT_TRUE(fs::is_symlink(target + "/sub/loop"));
  EXPECT_TRUE(fs::is_directory(target + "/sub"));
  EXPECT_FALSE(fs::exists(target + "/a.txt"));
}

}  // namespace
}  // namespace vellox::test
