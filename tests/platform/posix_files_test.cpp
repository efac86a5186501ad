#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <map>
#include "platform/posix/posix_files.h"
#include "wipe/temp_dir.h"

namespace fs = std::filesystem;

namespace vellox::test {
namespace {

TEST(PosixFiles, ErrorsAreMappedAndDescribed) {
  TempDir dir;
  auto files = posix::makeFiles();
  std::uint64_t length = 0;
  const FileStatus missing = files->fileLength(dir / "missing", length);
  EXPECT_EQ(missing.code, FileErrc::NotFound);
  EXPECT_FALSE(missing.description.empty());
  EXPECT_EQ(files->deleteFile(dir / "missing").code, FileErrc::NotFound);
  FileStatus status;
  EXPECT_EQ(files->openForWrite(dir / "no/such/folder/f", status), nullptr);
  EXPECT_EQ(status.code, FileErrc::NotFound);
  std::string contents;
  EXPECT_EQ(files->readFile(dir / "missing", contents, 10).code, FileErrc::NotFound);
}

TEST(PosixFiles, WritesAtSixtyFourBitOffsetsAndCreatesMissingFiles) {
  TempDir dir;
  auto files = posix::makeFiles();
  FileStatus status;
  auto file = files->openForWrite(dir / "sparse.bin", status);
  ASSERT_NE(file, nullptr) << status.description;
  // What the open file measures now; all ones when it cannot say.
  auto measured = [&file] { std::uint64_t n = ~0ull; return file->length(n).ok() ? n : ~0ull; };
  EXPECT_EQ(measured(), 0u);
  const std::uint64_t far = 5ull * 1024 * 1024 * 1024;
  ASSERT_TRUE(file->writeAt(far, "x", 1).ok());
  EXPECT_TRUE(file->flush().ok());
  EXPECT_EQ(measured(), far + 1);
  file.reset();
  std::uint64_t length = 0;
  ASSERT_TRUE(files->fileLength(dir / "sparse.bin", length).ok());
  EXPECT_EQ(length, far + 1);
}

TEST(PosixFiles, NeverOpensThroughALinkNorAnythingButAFile) {
  TempDir dir;
  auto files = posix::makeFiles();
  writeText(dir / "real.txt", "real");
  fs::create_symlink(dir / "real.txt", dir / "link.txt");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_directory(dir / "folder");
  for (const char* name : {"link.txt", "fifo", "folder"}) {
    FileStatus status;
    EXPECT_EQ(files->openForWrite(dir / name, status), nullptr) << name;
    EXPECT_FALSE(status.ok()) << name;
  }
  EXPECT_FALSE(files->setNormalAttributes(dir / "link.txt").ok());
  EXPECT_EQ(readText(dir / "real.txt"), "real");
  // Deleting a link removes the link only.
  EXPECT_TRUE(files->deleteFile(dir / "link.txt").ok());
  EXPECT_EQ(readText(dir / "real.txt"), "real");
  EXPECT_FALSE(files->deleteFile(dir / "folder").ok());
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
}

TEST(PosixFiles, ListsEntriesWithTheirKindsWithoutDots) {
  TempDir dir;
  auto files = posix::makeFiles();
  writeText(dir / "plain.txt", "p");
  writeText(dir / ".hidden", "h");
  writeText(dir / "readonly.txt", "r");
  fs::permissions(dir / "readonly.txt", fs::perms::owner_read);
  fs::create_directory(dir / "sub");
  fs::create_directory_symlink(dir / "sub", dir / "sublink");
  fs::create_symlink(dir / "plain.txt", dir / "filelink");

  const FolderListing listing = files->readFolder(dir.path() + "/");
  ASSERT_TRUE(listing.opened);
  std::map<std::string, DirEntry> byName;
  for (const auto& entry : listing.entries) byName[entry.name] = entry;
  ASSERT_EQ(byName.size(), 6u);
  EXPECT_FALSE(byName["plain.txt"].directory || byName["plain.txt"].link || byName["plain.txt"].readOnly);
  EXPECT_TRUE(byName[".hidden"].hidden);
  EXPECT_TRUE(byName["readonly.txt"].readOnly);
  EXPECT_TRUE(byName["sub"].directory);
  EXPECT_FALSE(byName["sub"].link);
  EXPECT_TRUE(byName["sublink"].link);
  EXPECT_FALSE(byName["sublink"].directory);
  EXPECT_TRUE(byName["filelink"].link);

  EXPECT_FALSE(files->readFolder(dir / "sublink").opened);
  EXPECT_FALSE(files->readFolder(dir / "missing").opened);
  EXPECT_TRUE(files->readFolder(dir / "sub").entries.empty());
}

TEST(PosixFiles, AttributeResetMakesAReadOnlyFileWritable) {
  TempDir dir;
  auto files = posix::makeFiles();
  writeText(dir / "ro.txt", "r");
  fs::permissions(dir / "ro.txt", fs::perms::owner_read);
  ASSERT_TRUE(files->setNormalAttributes(dir / "ro.txt").ok());
  EXPECT_NE(fs::status(dir / "ro.txt").permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST(PosixFiles, ReadsAtMostTheBytesAskedAndTheTempFolderEndsWithASeparator) {
  TempDir dir;
  auto files = posix::makeFiles();
  writeText(dir / "text.txt", "0123456789");
  std::string contents;
  ASSERT_TRUE(files->readFile(dir / "text.txt", contents, 4).ok());
  EXPECT_EQ(contents, "0123");
  const std::string temp = files->tempPath();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '/');
  EXPECT_EQ(files->separator(), '/');
}

TEST(PosixFiles, EachUniqueFileIsNewEmptyAndNamedApart) {
  TempDir dir;
  auto files = posix::makeFiles();
  const std::string first = files->createUniqueFile(dir.path() + "/", "upd");
  const std::string second = files->createUniqueFile(dir.path() + "/", "upd");
  ASSERT_FALSE(first.empty());
  EXPECT_NE(first, second);
  for (const auto& path : {first, second}) {
    EXPECT_EQ(path.rfind(dir / "upd", 0), 0u) << path;
    EXPECT_EQ(fs::file_size(path), 0u) << path;
  }
  EXPECT_EQ(files->createUniqueFile(dir / "missing/", "upd"), "");
}

}  // namespace
}  // namespace vellox::test
