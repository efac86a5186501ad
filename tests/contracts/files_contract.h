#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <string>
#include "platform/files.h"

// What the wipe relies on of a file service, run against each service and the fake. A harness
// gives the service, plain paths in its own form, and ways to set up files behind its back:
//   Files& files(); std::string path(name); bool makeFile(path, contents); bool makeFolder(path);
//   bool makeReadOnly(path); bool hardLink(existing, path); bool symlink(target, path, folder);
//   std::string contents(path); bool exists(path); std::string heldOpenFile() (one another program holds open);
//   bool readOnlyRefusesWrites(); static constexpr bool kSymlinks, kReadOnlyRefusesDelete.
namespace vellox::test {

template <class Harness>
class FilesContract : public ::testing::Test {
 protected:
  Harness h;
};

TYPED_TEST_SUITE_P(FilesContract);

TYPED_TEST_P(FilesContract, MissingThingsAreNotFound) {
  auto& files = this->h.files();
  const std::string missing = this->h.path("missing.txt");
  std::uint64_t length = 0;
  FileFacts facts;
  FileStatus status;
  EXPECT_EQ(files.fileLength(missing, length).code, FileErrc::NotFound);
  EXPECT_EQ(files.fileFacts(missing, facts).code, FileErrc::NotFound);
  EXPECT_EQ(files.deleteFile(missing).code, FileErrc::NotFound);
  EXPECT_EQ(files.openForWrite(this->h.path("no-folder/f.txt"), status), nullptr);
  EXPECT_EQ(status.code, FileErrc::NotFound);
  const FolderListing listing = files.readFolder(this->h.path("no-folder"));
  EXPECT_FALSE(listing.opened);
  EXPECT_EQ(listing.status.code, FileErrc::NotFound);
  EXPECT_FALSE(this->h.exists(missing));
}

TYPED_TEST_P(FilesContract, ReadOnlyIsRefusedUntilResetAndCanBePutBack) {
  auto& files = this->h.files();
  const std::string path = this->h.path("ro.txt");
  ASSERT_TRUE(this->h.makeFile(path, "ro"));
  ASSERT_TRUE(this->h.makeReadOnly(path));
  FileFacts facts;
  ASSERT_TRUE(files.fileFacts(path, facts).ok());
  EXPECT_TRUE(facts.readOnly);
  EXPECT_FALSE(facts.directory || facts.link);
  FileStatus status;
  if (this->h.readOnlyRefusesWrites()) {
    EXPECT_EQ(files.openForWrite(path, status), nullptr);
    EXPECT_EQ(status.code, FileErrc::AccessDenied);
  }
  if (TypeParam::kReadOnlyRefusesDelete) EXPECT_EQ(files.deleteFile(path).code, FileErrc::AccessDenied);
  ASSERT_TRUE(files.setNormalAttributes(path).ok());
  EXPECT_NE(files.openForWrite(path, status), nullptr) << status.description;
  ASSERT_TRUE(files.setAttributes(path, facts.attributes).ok());
  FileFacts again;
  ASSERT_TRUE(files.fileFacts(path, again).ok());
  EXPECT_TRUE(again.readOnly);
  EXPECT_EQ(this->h.contents(path), "ro");
}

TYPED_TEST_P(FilesContract, LinkCountIsReadFromTheNameAndFromTheWriteHandle) {
  auto& files = this->h.files();
  const std::string single = this->h.path("single.txt"), shared = this->h.path("shared.txt");
  ASSERT_TRUE(this->h.makeFile(single, "1"));
  ASSERT_TRUE(this->h.makeFile(shared, "2"));
  ASSERT_TRUE(this->h.hardLink(shared, this->h.path("other-name.txt")));
  for (const auto& [path, links] : std::map<std::string, std::uint32_t>{{single, 1}, {shared, 2}}) {
    FileFacts facts;
    ASSERT_TRUE(files.fileFacts(path, facts).ok());
    EXPECT_EQ(facts.links, links) << path;
    FileStatus status;
    auto file = files.openForWrite(path, status);
    ASSERT_NE(file, nullptr) << status.description;
    EXPECT_EQ(file->linkCount(), links) << path;
  }
  // One name goes, even a read-only one; the other keeps the data and the attributes.
  ASSERT_TRUE(this->h.makeReadOnly(shared));
  ASSERT_TRUE(files.deleteOneName(shared).ok());
  EXPECT_FALSE(this->h.exists(shared));
  const std::string other = this->h.path("other-name.txt");
  EXPECT_EQ(this->h.contents(other), "2");
  FileFacts facts;
  ASSERT_TRUE(files.fileFacts(other, facts).ok());
  EXPECT_TRUE(facts.readOnly);
  EXPECT_FALSE(files.deleteOneName(this->h.path("")).ok()) << "a folder is refused";
}

TYPED_TEST_P(FilesContract, ListsEachKindOfEntryAndTheLiteralPathReachesIt) {
  auto& files = this->h.files();
  const std::string folder = this->h.path("list");
  ASSERT_TRUE(this->h.makeFile(this->h.path("list/file.txt"), "f"));
  ASSERT_TRUE(this->h.makeFolder(this->h.path("list/sub")));
  if (TypeParam::kSymlinks) {
    ASSERT_TRUE(this->h.symlink(this->h.path("list/sub"), this->h.path("list/sublink"), true));
    ASSERT_TRUE(this->h.symlink(this->h.path("list/file.txt"), this->h.path("list/filelink"), false));
  }
  auto literal = files.literalPath(folder);
  ASSERT_TRUE(literal.has_value());
  const FolderListing listing = files.readFolder(*literal);
  ASSERT_TRUE(listing.complete());
  std::map<std::string, DirEntry> byName;
  for (const auto& entry : listing.entries) byName[entry.name] = entry;
  EXPECT_EQ(byName.size(), TypeParam::kSymlinks ? 4u : 2u);
  EXPECT_FALSE(byName["file.txt"].directory || byName["file.txt"].link);
  EXPECT_TRUE(byName["sub"].directory && !byName["sub"].link);
  if (TypeParam::kSymlinks) {
    EXPECT_TRUE(byName["sublink"].link && byName["sublink"].surrogate);
    EXPECT_TRUE(byName["filelink"].link && byName["filelink"].surrogate);
  }
  std::uint64_t length = 0;
  ASSERT_TRUE(files.fileLength(*literal + files.separator() + "file.txt", length).ok());
  EXPECT_EQ(length, 1u);
  EXPECT_FALSE(files.readFolder(this->h.path("list/file.txt")).opened);
}

TYPED_TEST_P(FilesContract, LinksAreNeverWrittenThroughAndGoOnlyAsNames) {
  auto& files = this->h.files();
  const std::string target = this->h.path("target.txt"), folder = this->h.path("target-folder");
  ASSERT_TRUE(this->h.makeFile(target, "kept"));
  ASSERT_TRUE(this->h.makeFile(this->h.path("target-folder/inner.txt"), "inner"));
  // Anything but a link is refused by removeLink.
  EXPECT_FALSE(files.removeLink(target).ok());
  EXPECT_FALSE(files.removeLink(folder).ok());
  EXPECT_TRUE(this->h.exists(target));
  if (!TypeParam::kSymlinks) GTEST_SKIP() << "this platform shows no links";
  const std::string fileLink = this->h.path("file-link"), folderLink = this->h.path("folder-link");
  ASSERT_TRUE(this->h.symlink(target, fileLink, false));
  ASSERT_TRUE(this->h.symlink(folder, folderLink, true));
  FileStatus status;
  EXPECT_EQ(files.openForWrite(fileLink, status), nullptr);
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(files.setNormalAttributes(fileLink).ok());
  FileFacts facts;
  ASSERT_TRUE(files.fileFacts(fileLink, facts).ok());
  EXPECT_TRUE(facts.link && facts.surrogate);
  EXPECT_TRUE(files.removeLink(fileLink).ok());
  EXPECT_TRUE(files.removeLink(folderLink).ok());
  EXPECT_FALSE(this->h.exists(fileLink));
  EXPECT_FALSE(this->h.exists(folderLink));
  EXPECT_EQ(this->h.contents(target), "kept");
  EXPECT_EQ(this->h.contents(this->h.path("target-folder/inner.txt")), "inner");
}

TYPED_TEST_P(FilesContract, WritesReachTheFileAndAFileHeldElsewhereIsInUse) {
  auto& files = this->h.files();
  const std::string path = this->h.path("w.txt");
  ASSERT_TRUE(this->h.makeFile(path, "abc"));
  FileStatus status;
  auto file = files.openForWrite(path, status);
  ASSERT_NE(file, nullptr) << status.description;
  std::uint64_t length = 0;
  ASSERT_TRUE(file->length(length).ok());
  EXPECT_EQ(length, 3u);
  EXPECT_TRUE(file->writeAt(1, "ZZZ", 3).ok());
  EXPECT_TRUE(file->flush().ok());
  ASSERT_TRUE(file->length(length).ok());
  EXPECT_EQ(length, 4u);
  file.reset();
  EXPECT_EQ(this->h.contents(path), "aZZZ");

  EXPECT_EQ(files.openForWrite(this->h.heldOpenFile(), status), nullptr);
  EXPECT_EQ(status.code, FileErrc::InUse) << status.description;
}

TYPED_TEST_P(FilesContract, OnlyFullPathsHaveALiteralForm) {
  auto& files = this->h.files();
  EXPECT_FALSE(files.literalPath("relative.txt").has_value());
  EXPECT_FALSE(files.literalPath("").has_value());
  const std::string root = this->h.path("");
  EXPECT_TRUE(files.literalPath(root).has_value()) << root;
}

// A rename stays in the file's folder and never takes a name that is taken; a plain file has
// no named streams (none of the services here keeps any).
TYPED_TEST_P(FilesContract, RenamesInTheFoldersOwnPlaceOnlyToAFreeName) {
  auto& files = this->h.files();
  const std::string path = this->h.path("ren/secret.txt"), taken = this->h.path("ren/taken.txt");
  ASSERT_TRUE(this->h.makeFile(path, "data"));
  ASSERT_TRUE(this->h.makeFile(taken, "keep"));
  EXPECT_FALSE(files.renameInFolder(path, "taken.txt").ok());
  std::string sub = "sub";
  sub += files.separator();
  EXPECT_FALSE(files.renameInFolder(path, sub + "x.txt").ok());
  EXPECT_EQ(this->h.contents(path), "data");
  EXPECT_EQ(this->h.contents(taken), "keep");
  ASSERT_TRUE(files.renameInFolder(path, "q7w8e9r0t1").ok());
  EXPECT_FALSE(this->h.exists(path));
  EXPECT_EQ(this->h.contents(this->h.path("ren/q7w8e9r0t1")), "data");
  EXPECT_EQ(files.renameInFolder(path, "other").code, FileErrc::NotFound);
  std::vector<std::string> streams{"stale"};
  EXPECT_TRUE(files.namedStreams(taken, streams).ok());
  EXPECT_TRUE(streams.empty());
}

// The log's folder is made with every missing folder above it; a file in the way is refused.
TYPED_TEST_P(FilesContract, CreatesFoldersWithTheirParentsAndKeepsOneThatExists) {
  auto& files = this->h.files();
  const std::string deep = this->h.path("made/a/b");
  EXPECT_TRUE(files.createFolder(deep).ok());
  EXPECT_TRUE(files.readFolder(deep).complete());
  EXPECT_TRUE(files.createFolder(deep).ok());
  ASSERT_TRUE(this->h.makeFile(this->h.path("made/file"), "x"));
  EXPECT_FALSE(files.createFolder(this->h.path("made/file")).ok());
  EXPECT_EQ(this->h.contents(this->h.path("made/file")), "x");
}

REGISTER_TYPED_TEST_SUITE_P(FilesContract, MissingThingsAreNotFound, ReadOnlyIsRefusedUntilResetAndCanBePutBack,
                            LinkCountIsReadFromTheNameAndFromTheWriteHandle,
                            ListsEachKindOfEntryAndTheLiteralPathReachesIt, LinksAreNeverWrittenThroughAndGoOnlyAsNames,
                            WritesReachTheFileAndAFileHeldElsewhereIsInUse, OnlyFullPathsHaveALiteralForm,
                            RenamesInTheFoldersOwnPlaceOnlyToAFreeName,
                            CreatesFoldersWithTheirParentsAndKeepsOneThatExists);

}  // namespace vellox::test
