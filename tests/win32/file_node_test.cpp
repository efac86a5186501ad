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

// A rename stays in its folder and never takes a name; a file replaced after its node was opened
// is never written. Read-only files and names shared with files outside are the attack test's.
TEST(Win32FileNode, RenamesStayInTheFolderAndAReplacedFileIsNeverWritten) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  ASSERT_TRUE(makeFile(dir / "a.txt", "original") && makeFile(dir / "other.txt", "other"));
  FileStatus status;
  auto node = files->openNode(files->literalPath(dir / "a.txt").value_or(""), status);
  ASSERT_NE(node, nullptr) << status.description;
  for (const std::string refused : {"other.txt", "sub\\x", ".."}) EXPECT_FALSE(node->rename(refused).ok()) << refused;
  ASSERT_TRUE(node->rename("moved. ").ok());
  EXPECT_EQ(contentsOf(dir / "other.txt"), "other");
  ASSERT_TRUE(MoveFileExW(longForm(dir / "moved. ").c_str(), longForm(dir / "elsewhere.txt").c_str(), 0));
  ASSERT_TRUE(makeFile(dir / "moved. ", "newcomer"));
  if (auto writer = node->openForWriting(status)) {
    ASSERT_TRUE(writer->writeAt(0, "OVERWRIT", 8).ok());
    writer.reset();
    EXPECT_EQ(contentsOf(dir / "elsewhere.txt"), "OVERWRIT");
  }
  EXPECT_EQ(contentsOf(dir / "moved. "), "newcomer");
}

}  // namespace
}  // namespace vellox::test
