#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include "files_temp_dir.h"
#include "contracts/files_contract.h"
#include "platform/win32/handle.h"
#include "platform/win32/win32_services.h"
#include "unix_link.h"
#include "wipe/forwarding_files.h"
#include "wipe/pass_checks.h"
#include "wipe/shred_file.h"

namespace vellox::test {
namespace {

TEST(Win32Files, ErrorsAreMappedAndDescribed) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  std::uint64_t length = 0;
  const FileStatus missing = files->fileLength(dir / "missing.txt", length);
  EXPECT_EQ(missing.code, FileErrc::NotFound);
  EXPECT_EQ(missing.native, ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(missing.description.empty());
  EXPECT_NE(missing.description.back(), '\n');
  EXPECT_EQ(files->fileLength(dir / "nofolder\\x.txt", length).code, FileErrc::NotFound);
  EXPECT_EQ(files->deleteFile(dir / "missing.txt").code, FileErrc::NotFound);

  ASSERT_TRUE(makeFile(dir / "ro.txt", "r"));
  SetFileAttributesW(longForm(dir / "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(files->deleteFile(dir / "ro.txt").code, FileErrc::AccessDenied);
  EXPECT_TRUE(files->setNormalAttributes(dir / "ro.txt").ok());
  EXPECT_TRUE(files->deleteFile(dir / "ro.txt").ok());
}

// Wine's handle on a folder symlink describes its target; the name still makes it a link.
TEST(Win32Files, AFolderLinkIsALinkByItsName) {
  WinTempDir dir, outside;
  UnixLink link(outside.path(), dir / "link");
  ASSERT_TRUE(link.made());
  FileFacts facts;
  ASSERT_TRUE(win32::makeFiles()->fileFacts(dir / "link", facts).ok());
  EXPECT_TRUE(facts.link && facts.surrogate);
}

TEST(Win32Files, WritesFlushesAndMeasuresBeyondFourGibibytes) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  FileStatus status;
  auto file = files->openForWrite(dir / "new.bin", status);
  ASSERT_NE(file, nullptr) << status.description;
  // What the open file measures now; all ones when it cannot say.
  auto measured = [&file] { std::uint64_t n = ~0ull; return file->length(n).ok() ? n : ~0ull; };
  EXPECT_EQ(measured(), 0u);
  ASSERT_TRUE(file->writeAt(0, "abc", 3).ok());
  ASSERT_TRUE(file->writeAt(1, "Z", 1).ok());
  EXPECT_TRUE(file->flush().ok());
  file.reset();
  EXPECT_EQ(fileContents(dir / "new.bin"), "aZc");

  file = files->openForWrite(dir / "sparse.bin", status);
  ASSERT_NE(file, nullptr);
  const std::uint64_t beyond = 5ull << 30;
  ASSERT_TRUE(file->writeAt(beyond, "x", 1).ok());
  EXPECT_EQ(measured(), beyond + 1);
  file.reset();
  std::uint64_t length = 0;
  ASSERT_TRUE(files->fileLength(dir / "sparse.bin", length).ok());
  EXPECT_EQ(length, beyond + 1);
}

TEST(Win32Files, ListsEntriesWithTheirAttributes) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  ASSERT_TRUE(makeFile(dir / "plain.txt", "p"));
  ASSERT_TRUE(makeFile(dir / "hidden.txt", "h"));
  ASSERT_TRUE(makeFile(dir / "system.txt", "s"));
  ASSERT_TRUE(makeFile(dir / "readonly.txt", "r"));
  ASSERT_TRUE(makeFile(dir / "sub\\inner.txt", "i"));
  SetFileAttributesW(longForm(dir / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW(longForm(dir / "system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesW(longForm(dir / "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);

  const FolderListing listing = files->readFolder(dir.path());
  ASSERT_TRUE(listing.opened);
  std::map<std::string, DirEntry> byName;
  for (const auto& entry : listing.entries) byName[entry.name] = entry;
  EXPECT_EQ(byName.size(), 5u);
  EXPECT_FALSE(byName["plain.txt"].directory || byName["plain.txt"].link || byName["plain.txt"].readOnly);
  EXPECT_TRUE(byName["hidden.txt"].hidden);
  EXPECT_TRUE(byName["system.txt"].system);
  EXPECT_TRUE(byName["readonly.txt"].readOnly);
  EXPECT_TRUE(byName["sub"].directory);
  EXPECT_EQ(files->readFolder(dir / "sub\\").entries.size(), 1u);
  EXPECT_FALSE(files->readFolder(dir / "missing").opened);
}

TEST(Win32Files, TempFolderEndsWithASeparatorAndExists) {
  auto files = win32::makeFiles();
  const std::string temp = files->tempPath();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_TRUE(files->readFolder(temp).opened);
  std::string contents;
  WinTempDir dir;
  ASSERT_TRUE(makeFile(dir / "t.txt", "0123456789"));
  ASSERT_TRUE(files->readFile(dir / "t.txt", contents, 4).ok());
  EXPECT_EQ(contents, "0123");
}

TEST(Win32Shred, PassArithmeticOnRealFiles) {
  WinTempDir dir;
  auto real = win32::makeFiles();
  checkPassArithmetic(*real, dir / "victim.bin", makeFile);
}

TEST(Win32Shred, ReadOnlyFileIsOverwrittenThenDeleted) {
  WinTempDir dir;
  auto real = win32::makeFiles();
  const std::string path = dir / "readonly.txt";
  ASSERT_TRUE(makeFile(path, std::string(1500, 'R')));
  SetFileAttributesW(longForm(path).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  PassRecorder files(*real);
  EXPECT_TRUE(shredFile(files, path, 3));
  EXPECT_EQ(files.passes.size(), 3u);
  ASSERT_EQ(files.deleted.size(), 1u);
  EXPECT_EQ(files.deleted[0], std::string(4 * 1024, '\x01'));
  EXPECT_FALSE(fileExists(path));
}

// A read-only file held open by another program is left as it was, its attributes put back.
TEST(Win32Shred, FileLockedByAnotherHolderIsReportedAndLeftInPlace) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  const std::string path = dir / "locked.txt";
  ASSERT_TRUE(makeFile(path, "still here"));
  const DWORD attributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(SetFileAttributesW(longForm(path).c_str(), attributes));
  HANDLE holder = CreateFileW(longForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const Shred shred = shredFile(*files, path, 3);
  CloseHandle(holder);
  EXPECT_EQ(shred.end, ShredEnd::NotWiped);
  EXPECT_EQ(shred.reason, "in use by another program");
  EXPECT_EQ(fileContents(path), "still here");
  EXPECT_EQ(GetFileAttributesW(longForm(path).c_str()) & attributes, attributes);
}

TEST(Win32Shred, VanishedFileIsNotRecreated) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  EXPECT_FALSE(shredFile(*files, dir / "gone.txt", 3));
  EXPECT_FALSE(fileExists(dir / "gone.txt"));
}

}  // namespace
}  // namespace vellox::test

namespace vellox::test {
namespace {

// The Win32 side of the file service's contract. Wine 8 shows no links of its own making.
class Win32Harness {
 public:
  static constexpr bool kSymlinks = false, kReadOnlyRefusesDelete = true;
  // Windows refuses to open a read-only file for writing; Wine run by the superuser does not.
  bool readOnlyRefusesWrites() {
    const std::string probe = dir_ / "probe";
    if (!makeFile(probe, "") || !makeReadOnly(probe)) return true;
    HANDLE file = CreateFileW(longForm(probe).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return true;
    CloseHandle(file);
    return false;
  }
  Files& files() { return *files_; }
  std::string path(std::string name) {
    std::replace(name.begin(), name.end(), '/', '\\');
    return dir_ / name;
  }
  bool makeFile(const std::string& path, const std::string& contents) { return test::makeFile(path, contents); }
  bool makeFolder(const std::string& path) { return CreateDirectoryW(longForm(path).c_str(), nullptr); }
  bool makeReadOnly(const std::string& path) {
    return SetFileAttributesW(longForm(path).c_str(), FILE_ATTRIBUTE_READONLY);
  }
  bool hardLink(const std::string& existing, const std::string& path) {
    return CreateHardLinkW(longForm(path).c_str(), longForm(existing).c_str(), nullptr);
  }
  bool symlink(const std::string&, const std::string&, bool) { return false; }
  std::string contents(const std::string& path) { return fileContents(path); }
  bool exists(const std::string& path) { return fileExists(path); }
  // Held open without write sharing, as another program might, until the harness goes.
  std::string heldOpenFile() {
    const std::string held = dir_ / "held.txt";
    makeFile(held, "held");
    holder_.reset(CreateFileW(longForm(held).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr));
    return held;
  }

 private:
  WinTempDir dir_;
  win32::UniqueHandle holder_;
  std::unique_ptr<Files> files_ = win32::makeFiles();
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32FilesContract, FilesContract, Win32Harness);

}  // namespace
}  // namespace vellox::test
