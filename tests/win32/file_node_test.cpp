#include <gtest/gtest.h>
#include <windows.h>
#include <map>
#include <memory>
#include <optional>
#include "files_temp_dir.h"
#include "platform/file_node.h"
#include "platform/win32/handle.h"
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

std::unique_ptr<FileNode> openNode(Files& files, const std::string& path, FileStatus& status) {
  const auto literal = files.literalPath(path);
  if (!literal) return nullptr;
  return files.openNode(*literal, status);
}

// Read while the nodes hold their names, which they may delete: shared for deletion too.
std::string contentsOf(const std::string& path) {
  win32::UniqueHandle file(CreateFileW(longForm(path).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       0, nullptr));
  if (!file) return "<unreadable>";
  std::string contents(4096, '\0');
  DWORD got = 0;
  ReadFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &got, nullptr);
  contents.resize(got);
  return contents;
}

TEST(Win32LiteralPath, KeepsEveryNameAsGiven) {
  auto files = win32::makeFiles();
  const std::map<std::string, std::optional<std::string>> cases = {
      {"C:\\d\\report.", "\\\\?\\C:\\d\\report."},
      {"C:/d//Budget /x", "\\\\?\\C:\\d\\Budget \\x"},
      {"C:\\d\\.\\a\\..\\b. .", "\\\\?\\C:\\d\\b. ."},
      {"C:\\..", "\\\\?\\C:\\"},
      {"\\\\server\\share\\a.", "\\\\?\\UNC\\server\\share\\a."},
      {"C:folder", std::nullopt},
      {"\\\\.\\pipe\\x", std::nullopt},
  };
  for (const auto& [text, literal] : cases) {
    EXPECT_EQ(files->literalPath(text), literal) << text;
  }
}

// Two names of one read-only file: made writable, written and put back through one of them,
// which then goes while the other keeps the data and the attributes.
TEST(Win32FileNode, ReadOnlyHardLinkedFileIsWrittenPutBackAndLosesOnlyOneName) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  ASSERT_TRUE(makeFile(dir / "a.txt", "old") && makeFile(dir / "other.txt", "other"));
  ASSERT_TRUE(CreateHardLinkW(longForm(dir / "b.txt").c_str(), longForm(dir / "a.txt").c_str(), nullptr));
  const DWORD readOnly = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(SetFileAttributesW(longForm(dir / "a.txt").c_str(), readOnly));
  FileStatus status;
  auto a = openNode(*files, dir / "a.txt", status), b = openNode(*files, dir / "b.txt", status);
  auto other = openNode(*files, dir / "other.txt", status);
  ASSERT_TRUE(a && b && other) << status.description;
  EXPECT_EQ(a->facts().links, 2u);
  EXPECT_EQ(a->facts().identity, b->facts().identity);
  EXPECT_NE(a->facts().identity, other->facts().identity);
  EXPECT_TRUE(a->facts().readOnly);
  ASSERT_TRUE(a->makeWritable().ok());
  EXPECT_EQ(GetFileAttributesW(longForm(dir / "b.txt").c_str()) & readOnly, 0u);
  auto writer = a->openForWriting(status);
  ASSERT_NE(writer, nullptr) << status.description;
  ASSERT_TRUE(writer->writeAt(0, "new", 3).ok());
  writer.reset();
  ASSERT_TRUE(a->setAttributes(a->facts().attributes).ok());
  // A rename stays in the folder and never takes a name. Exact names (`report.` beside `report`)
  // are the gate's attack test's to try.
  for (const std::string refused : {"other.txt", "sub\\x", ".."}) EXPECT_FALSE(a->rename(refused).ok()) << refused;
  ASSERT_TRUE(a->rename("moved. ").ok());
  EXPECT_TRUE(a->remove().ok()) << "read-only or not";
  const DWORD attributes = b->facts().attributes;
  // Wine removes a name only once no handle is open on its file, whichever name it came by.
  a.reset();
  b.reset();
  EXPECT_FALSE(fileExists(dir / "a.txt") || fileExists(dir / "moved. "));
  EXPECT_EQ(contentsOf(dir / "other.txt"), "other");
  EXPECT_EQ(GetFileAttributesW(longForm(dir / "b.txt").c_str()), attributes);
  EXPECT_EQ(contentsOf(dir / "b.txt"), "new");
}

TEST(Win32FileNode, FileReplacedAfterOpeningIsNeverWritten) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  ASSERT_TRUE(makeFile(dir / "a.txt", "original"));
  FileStatus status;
  auto node = openNode(*files, dir / "a.txt", status);
  ASSERT_NE(node, nullptr) << status.description;
  ASSERT_TRUE(MoveFileExW(longForm(dir / "a.txt").c_str(), longForm(dir / "moved.txt").c_str(), 0));
  ASSERT_TRUE(makeFile(dir / "a.txt", "newcomer"));
  if (auto writer = node->openForWriting(status)) {
    ASSERT_TRUE(writer->writeAt(0, "OVERWRIT", 8).ok());
    writer.reset();
    EXPECT_EQ(contentsOf(dir / "moved.txt"), "OVERWRIT");
  }
  EXPECT_EQ(contentsOf(dir / "a.txt"), "newcomer");
}

}  // namespace
}  // namespace vellox::test
