#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <algorithm>
#include <filesystem>
#include "app/main_window.h"
#include "wipe/secure_wipe_tab.h"
#include "fakes/test_env.h"
#include "wipe/services_with_files.h"
#include "platform/posix/posix_files.h"
#include "wipe/forwarding_files.h"
#include "wipe/enum_files.h"
#include "wipe/shred_file.h"
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

// Thousands of dropped files are held through their folders, not one handle each: a batch
// larger than the process may hold open still wipes every file.
TEST(ShredOnDisk, ABatchLargerThanTheOpenFileLimitIsWipedWhole) {
  TempDir dir;
  rlimit before{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &before), 0);
  std::vector<std::string> paths{""};
  for (int i = 0; i < 300; ++i) writeText(paths.emplace_back(dir / ("f" + std::to_string(i))), "data");
  const rlimit lowered{128, before.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
  auto files = posix::makeFiles();
  ShredControl control;
  const auto results = shredFiles(*files, paths, 1, 1, control);
  ::setrlimit(RLIMIT_NOFILE, &before);
  EXPECT_EQ(std::count_if(results.begin(), results.end(), [](const Shred& s) { return static_cast<bool>(s); }), 300);
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

// Nothing outside the chosen folder changes: links inside it go as names, a file with a
// name outside keeps its data and attributes, and the message says what was left.
TEST(ShredOnDisk, AFolderWipeNeverReachesThroughLinksOrSharedData) {
  TempDir dir;
  const std::string target = dir / "target", outside = dir / "outside";
  writeText(outside + "/secret.txt", "outside file");
  writeText(outside + "/dir/inner.txt", "outside folder");
  writeText(outside + "/store.bin", "shared data");
  writeText(target + "/a.txt", "a");
  writeText(target + "/sub/b.txt", "b");
  fs::create_symlink(outside + "/secret.txt", target + "/file_link");
  fs::create_directory_symlink(outside + "/dir", target + "/dir_link");
  fs::create_directory_symlink(target, target + "/sub/loop");
  fs::create_symlink(dir / "nowhere", target + "/dangling");
  fs::create_hard_link(outside + "/store.bin", target + "/sub/checkout.bin");
  fs::permissions(outside + "/store.bin", fs::perms::owner_read);

  TestEnv env;
  auto files = posix::makeFiles();
  Services services = servicesWithFiles(env, *files);
  frmmain form(services, env.state, [] {});
  env.views.main->txtFolderToWipe.setText(target);
  env.ui.answers.push_back(MsgAnswer::Ok);
  form.tab<SecureWipeTab>().cmdWipe_Click();
  env.settle();

  ASSERT_EQ(env.ui.messages.size(), 2u);
  EXPECT_EQ(env.ui.messages[1].text, "2File(s) wiped\n4 link(s) removed; what they lead to was left alone\n"
                                     "1 item(s) could not be wiped:\n" +
                                         target + "/sub/checkout.bin: other names share its data");
  EXPECT_EQ(readText(outside + "/secret.txt"), "outside file");
  EXPECT_EQ(readText(outside + "/dir/inner.txt"), "outside folder");
  EXPECT_EQ(readText(outside + "/store.bin"), "shared data");
  EXPECT_EQ(fs::status(outside + "/store.bin").permissions() & fs::perms::all, fs::perms::owner_read);
  for (const char* gone : {"a.txt", "sub/b.txt", "file_link", "dir_link", "sub/loop", "dangling", "sub/checkout.bin"})
    EXPECT_EQ(fs::symlink_status(target + "/" + gone).type(), fs::file_type::not_found) << gone;
  EXPECT_TRUE(fs::is_directory(target + "/sub"));
}

}  // namespace
}  // namespace vellox::test
