#include <gtest/gtest.h>
#include <windows.h>
#include <map>
#include <memory>
#include <optional>
#include "files_temp_dir.h"
#include "platform/file_node.h"
#include "platform/win32/handle.h"
#include "platform/win32/win32_services.h"
#include "unix_link.h"

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

std::map<std::string, DirEntry> entriesOf(FileNode& folder) {
  std::map<std::string, DirEntry> entries;
  const FolderListing listing = folder.list();
  EXPECT_TRUE(listing.complete()) << listing.status.description;
  for (const auto& entry : listing.entries) entries[entry.name] = entry;
  return entries;
}

TEST(Win32LiteralPath, KeepsEveryNameAsGiven) {
  auto files = win32::makeFiles();
  const std::map<std::string, std::optional<std::string>> cases = {
      {"C:\\d\\report.", "\\\\?\\C:\\d\\report."},
      {"C:/d//Budget /x", "\\\\?\\C:\\d\\Budget \\x"},
      {"C:\\d\\.\\a\\..\\b. .", "\\\\?\\C:\\d\\b. ."},
      {"C:\\d\\", "\\\\?\\C:\\d\\"},
      {"C:\\..", "\\\\?\\C:\\"},
      {"\\\\server\\share\\a.", "\\\\?\\UNC\\server\\share\\a."},
      {"\\\\?\\C:\\x.", "\\\\?\\C:\\x."},
      {"relative.txt", std::nullopt},
      {"C:folder", std::nullopt},
      {"\\folder", std::nullopt},
      {"\\\\.\\pipe\\x", std::nullopt},
      {"\\\\server", std::nullopt},
  };
  for (const auto& [text, literal] : cases) {
    EXPECT_EQ(files->literalPath(text), literal) << text;
  }
}

// `report.` beside `report`, `Budget ` beside `Budget`: the system's path rules would take
// each for its neighbour.
TEST(Win32FileNode, ExactNamesAreWrittenRenamedAndRemovedWithoutTheirNeighbour) {
  for (const bool folder : {false, true}) {
    WinTempDir dir;
    auto files = win32::makeFiles();
    const std::string name = folder ? "Budget " : "report.", neighbour = folder ? "Budget" : "report";
    const std::string inner = folder ? "\\same.txt" : "";
    ASSERT_TRUE(makeFile(dir / name + inner, "mine"));
    ASSERT_TRUE(makeFile(dir / neighbour + inner, "theirs"));
    FileStatus status;
    auto node = openNode(*files, dir / name, status);
    ASSERT_NE(node, nullptr) << status.description;
    EXPECT_EQ(node->facts().kind, folder ? NodeKind::Folder : NodeKind::File);
    std::unique_ptr<FileNode> file;
    if (folder) {
      const auto entries = entriesOf(*node);
      ASSERT_EQ(entries.size(), 1u);
      file = node->openChild(entries.at("same.txt"), status);
    } else {
      file = openNode(*files, dir / name, status);
    }
    ASSERT_NE(file, nullptr) << status.description;
    auto writer = file->openForWriting(status);
    ASSERT_NE(writer, nullptr) << status.description;
    ASSERT_TRUE(writer->writeAt(0, "MINE", 4).ok());
    writer.reset();
    EXPECT_EQ(contentsOf(dir / name + inner), "MINE");
    ASSERT_TRUE(file->rename("moved. ").ok());
    EXPECT_EQ(contentsOf(dir / (folder ? name + "\\moved. " : "moved. ")), "MINE");
    EXPECT_TRUE(file->remove().ok());
    file.reset();
    if (folder) {
      EXPECT_TRUE(node->remove().ok()) << "an emptied folder goes";
    }
    node.reset();
    EXPECT_FALSE(fileExists(dir / name)) << name;
    EXPECT_EQ(contentsOf(dir / neighbour + inner), "theirs") << neighbour;
  }
}

// Wine describes a link to a folder through its handle as the folder it leads to, and removing
// through that handle removes the target; only the listing shows the link.
TEST(Win32FileNode, FolderLinkIsALinkAsRootAndChildAndItsTargetIsNeverTouched) {
  for (const bool emptyTarget : {true, false}) {
    for (const bool asChild : {false, true}) {
      WinTempDir dir, outside;
      auto files = win32::makeFiles();
      if (!emptyTarget) {
        ASSERT_TRUE(makeFile(outside / "kept.txt", "kept"));
      }
      UnixLink link(outside.path(), dir / "link");
      if (!link.made()) GTEST_SKIP() << "no links here";
      FileStatus status;
      std::unique_ptr<FileNode> parent, node;
      if (asChild) {
        parent = openNode(*files, dir.path(), status);
        ASSERT_NE(parent, nullptr) << status.description;
        const auto entries = entriesOf(*parent);
        ASSERT_TRUE(entries.at("link").link);
        node = parent->openChild(entries.at("link"), status);
      } else {
        node = openNode(*files, dir / "link", status);
      }
      ASSERT_NE(node, nullptr) << status.description;
      EXPECT_EQ(node->facts().kind, NodeKind::Link);
      EXPECT_FALSE(node->list().opened);
      EXPECT_EQ(node->openForWriting(status), nullptr);
      const bool removed = node->remove().ok();
      node.reset();
      EXPECT_EQ(fileExists(dir / "link"), !removed);
      EXPECT_TRUE(fileExists(outside.path())) << "the target folder stays";
      if (!emptyTarget) {
        EXPECT_EQ(contentsOf(outside / "kept.txt"), "kept");
      }
    }
  }
}

TEST(Win32FileNode, HardLinkedNamesShowTheirCountAndOneIdentity) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  ASSERT_TRUE(makeFile(dir / "a.txt", "shared"));
  ASSERT_TRUE(makeFile(dir / "other.txt", "other"));
  ASSERT_TRUE(CreateHardLinkW(longForm(dir / "b.txt").c_str(), longForm(dir / "a.txt").c_str(), nullptr));
  FileStatus status;
  auto a = openNode(*files, dir / "a.txt", status), b = openNode(*files, dir / "b.txt", status);
  auto other = openNode(*files, dir / "other.txt", status);
  ASSERT_TRUE(a && b && other) << status.description;
  EXPECT_EQ(a->facts().links, 2u);
  EXPECT_EQ(b->facts().links, 2u);
  EXPECT_EQ(other->facts().links, 1u);
  EXPECT_EQ(a->facts().identity, b->facts().identity);
  EXPECT_NE(a->facts().identity, other->facts().identity);
  EXPECT_EQ(a->facts().length, 6u);
}

TEST(Win32FileNode, RenameStaysInItsFolderAndNeverTakesATakenName) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  ASSERT_TRUE(makeFile(dir / "a.txt", "a"));
  ASSERT_TRUE(makeFile(dir / "taken.txt", "taken"));
  FileStatus status;
  auto node = openNode(*files, dir / "a.txt", status);
  ASSERT_NE(node, nullptr) << status.description;
  for (const char* refused : {"taken.txt", "sub\\x.txt", "..", ""}) EXPECT_FALSE(node->rename(refused).ok()) << refused;
  EXPECT_EQ(contentsOf(dir / "taken.txt"), "taken");
  ASSERT_TRUE(node->rename("b.txt").ok());
  EXPECT_EQ(contentsOf(dir / "b.txt"), "a");
  EXPECT_FALSE(fileExists(dir / "a.txt"));
  EXPECT_EQ(node->path().substr(node->path().size() - 6), "\\b.txt");
}

TEST(Win32FileNode, ReadOnlyFileIsMadeWritableAndPutBack) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  ASSERT_TRUE(makeFile(dir / "ro.txt", "old"));
  ASSERT_TRUE(SetFileAttributesW(longForm(dir / "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  FileStatus status;
  auto node = openNode(*files, dir / "ro.txt", status);
  ASSERT_NE(node, nullptr) << status.description;
  EXPECT_TRUE(node->facts().readOnly);
  ASSERT_TRUE(node->makeWritable().ok());
  EXPECT_EQ(GetFileAttributesW(longForm(dir / "ro.txt").c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
  auto writer = node->openForWriting(status);
  ASSERT_NE(writer, nullptr) << status.description;
  ASSERT_TRUE(writer->writeAt(0, "new", 3).ok());
  writer.reset();
  ASSERT_TRUE(node->setAttributes(node->facts().attributes).ok());
  EXPECT_EQ(GetFileAttributesW(longForm(dir / "ro.txt").c_str()), node->facts().attributes);
  EXPECT_EQ(contentsOf(dir / "ro.txt"), "new");
  EXPECT_TRUE(node->remove().ok()) << "read-only or not";
  node.reset();
  EXPECT_FALSE(fileExists(dir / "ro.txt"));
}

// Held by another handle: one that lets others delete leaves the node open but not writable;
// one that does not keeps the node from opening at all.
TEST(Win32FileNode, FileHeldWithoutSharingIsInUse) {
  for (const DWORD share : {DWORD{FILE_SHARE_READ | FILE_SHARE_DELETE}, DWORD{FILE_SHARE_READ}}) {
    WinTempDir dir;
    auto files = win32::makeFiles();
    ASSERT_TRUE(makeFile(dir / "held.txt", "held"));
    win32::UniqueHandle holder(CreateFileW(longForm(dir / "held.txt").c_str(), GENERIC_READ, share, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    FileStatus status;
    auto node = openNode(*files, dir / "held.txt", status);
    if (node) {
      EXPECT_EQ(node->openForWriting(status), nullptr);
    }
    EXPECT_EQ(node != nullptr, (share & FILE_SHARE_DELETE) != 0);
    EXPECT_EQ(status.code, FileErrc::InUse) << status.description;
    EXPECT_EQ(contentsOf(dir / "held.txt"), "held");
  }
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
