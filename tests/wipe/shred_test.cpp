#include <gtest/gtest.h>
#include <algorithm>
#include "fakes/fake_files.h"
#include "fakes/path_node.h"
#include "wipe/forwarding_files.h"
#include "wipe/left_behind.h"
#include "wipe/shred_file.h"

namespace vellox::test {
namespace {

constexpr std::uint64_t kBlock = 1024;
const std::string kPath = "C:\\data\\secret.txt";

struct PassCase {
  std::size_t size;
  int passes;
};

class ShredPasses : public ::testing::TestWithParam<PassCase> {};

// Pass k writes floor(L0/1024) + k blocks of 0x01 from offset 0, flushed before
// the next pass; the file is then deleted holding (floor(L0/1024) + P) blocks.
TEST_P(ShredPasses, EachPassCoversTheFileMeasuredAnewAndIsFlushed) {
  const auto [size, passes] = GetParam();
  FakeFiles files;
  files.addFile(kPath, size, 0xAB);

  EXPECT_TRUE(shredFile(files, kPath, passes));

  ASSERT_EQ(files.sessions.size(), static_cast<std::size_t>(passes));
  const std::uint64_t blocks0 = size / kBlock;
  for (int k = 1; k <= passes; ++k) {
    const auto& session = files.sessions[static_cast<std::size_t>(k - 1)];
    SCOPED_TRACE("pass " + std::to_string(k));
    EXPECT_EQ(session.lengthAtOpen, k == 1 ? size : (blocks0 + static_cast<std::uint64_t>(k) - 1) * kBlock);
    std::uint64_t next = 0;
    for (const auto& write : session.writes) {
      EXPECT_EQ(write.offset, next);
      EXPECT_LE(write.size, 1024u * 1024u);
      next = write.offset + write.size;
    }
    EXPECT_EQ(next, (blocks0 + static_cast<std::uint64_t>(k)) * kBlock);
    EXPECT_TRUE(session.flushedAfterLastWrite);
    // The present bytes are overwritten in place and flushed before the file grows.
    const std::uint64_t present = session.lengthAtOpen;
    for (const auto& write : session.writes) {
      EXPECT_EQ(write.flushesBefore, present > 0 && write.offset >= present ? 1 : 0) << write.offset;
      if (write.offset < present) EXPECT_LE(write.offset + write.size, present);
    }
  }
  EXPECT_FALSE(files.exists(kPath));
  const auto& last = files.deletedData.at(kPath);
  EXPECT_EQ(last.size(), (blocks0 + static_cast<std::uint64_t>(passes)) * kBlock);
  EXPECT_TRUE(std::all_of(last.begin(), last.end(), [](std::uint8_t b) { return b == 0x01; }));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShredPasses,
                         ::testing::Values(PassCase{0, 1}, PassCase{0, 3}, PassCase{0, 7}, PassCase{1024, 1},
                                           PassCase{1024, 3}, PassCase{1024, 7}, PassCase{1025, 1},
                                           PassCase{1025, 3}, PassCase{1025, 7}, PassCase{4 * 1024 + 520, 1},
                                           PassCase{4 * 1024 + 520, 3}, PassCase{4 * 1024 + 520, 7},
                                           PassCase{3 * 1024 * 1024 + 7, 2}));

TEST(Shredder, NoPassBelowOneYetTheFileIsDeletedAndNotCalledWiped) {
  for (int passes : {0, -1}) {
    FakeFiles files;
    files.addFile(kPath, 100);
    EXPECT_FALSE(shredFile(files, kPath, passes));
    EXPECT_TRUE(files.sessions.empty());
    EXPECT_FALSE(files.exists(kPath));
  }
}

TEST(Shredder, ReadOnlyFileIsOverwrittenThenDeleted) {
  FakeFiles files;
  files.addFile(kPath, 3000).readOnly = true;
  EXPECT_TRUE(shredFile(files, kPath, 3));
  EXPECT_EQ(files.sessions.size(), 3u);
  EXPECT_FALSE(files.attributeResets.empty());
  EXPECT_EQ(files.deletedData.at(kPath).size(), 5 * kBlock);
}

TEST(Shredder, LockedFileIsReportedNotWipedAndLeftAsItWas) {
  FakeFiles files;
  files.addFile(kPath, 3000, 'q').locked = true;
  EXPECT_FALSE(shredFile(files, kPath, 3));
  ASSERT_TRUE(files.exists(kPath));
  EXPECT_EQ(files.node(kPath).data, std::vector<std::uint8_t>(3000, 'q'));
  // A sharing refusal is not an attribute problem: attributes stay as they were.
  EXPECT_TRUE(files.attributeResets.empty());
}

// Cancelling stops after the write in progress, which is still flushed; that file stays, read-only
// again, and the files after it are never opened.
TEST(Shredder, ACancelledBatchLeavesTheFileInProgressAndTheRestUntouched) {
  FakeFiles files;
  files.addFile("C:\\data\\a.bin", 3 * 1024 * 1024).readOnly = true;
  files.addFile("C:\\data\\b.bin", 10);
  const std::vector<std::string> paths{"", "C:\\data\\a.bin", "C:\\data\\b.bin"};
  ShredControl control;
  control.workers = 1;  // one file at a time: b.bin can only be reached after a.bin
  std::vector<std::size_t> started, ended;
  std::uint64_t written = 0;
  control.started = [&](std::size_t i) { started.push_back(i); };
  control.finished = [&](std::size_t i, const Shred&) { ended.push_back(i); };
  control.written = [&](std::uint64_t bytes) {
    written += bytes;
    control.cancelled = true;
  };
  const auto results = shredFiles(files, paths, 1, 3, control);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].end, ShredEnd::Cancelled);
  EXPECT_EQ(results[1].end, ShredEnd::Cancelled);
  EXPECT_EQ(started, (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(ended, (std::vector<std::size_t>{1, 2}));
  ASSERT_EQ(files.sessions.size(), 1u) << "b.bin is never opened";
  EXPECT_EQ(files.sessions[0].writes.size(), 1u);
  EXPECT_TRUE(files.sessions[0].flushedAfterLastWrite);
  EXPECT_EQ(written, files.sessions[0].writes[0].size);
  EXPECT_TRUE(files.exists("C:\\data\\a.bin"));
  EXPECT_TRUE(files.node("C:\\data\\a.bin").readOnly);
  EXPECT_EQ(files.node("C:\\data\\b.bin").data, std::vector<std::uint8_t>(10, 'x'));
}

TEST(Shredder, VanishedFileIsNotWipedAndNotRecreated) {
  FakeFiles files;
  files.addFolder("C:\\data");
  EXPECT_FALSE(shredFile(files, kPath, 3));
  EXPECT_FALSE(files.exists(kPath));
  EXPECT_TRUE(files.sessions.empty());
}

// A file is deleted only when every pass reached the device; otherwise it stays, its
// attributes as they were, and the reason comes back.
TEST(Shredder, AFailedPassLeavesTheFileInPlaceWithItsAttributes) {
  struct Case {
    const char* what;
    bool readOnly, locked;
    int failWrites, failFlush;
    std::size_t passesMade;
    std::string reason;
  };
  const Case cases[] = {{"write fails", false, false, 2, 0, 2, kDiskFull.description},
                        {"flush fails", false, false, 0, 1, 1, kDiskFull.description},
                        {"read-only, write fails", true, false, 3, 0, 3, kDiskFull.description},
                        {"read-only and held open", true, true, 0, 0, 0, "in use by another program"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFiles fake;
    auto& node = fake.addFile(kPath, 5000);
    node.readOnly = c.readOnly;
    node.hidden = true;
    node.locked = c.locked;
    PassRecorder files(fake);
    files.failWritesInPass = c.failWrites;
    files.failFlushInPass = c.failFlush;
    const Shred shred = shredFile(files, kPath, 3);
    EXPECT_EQ(shred.end, ShredEnd::NotWiped);
    EXPECT_FALSE(shred.reason.empty());
    EXPECT_EQ(shred.reason, c.reason);
    EXPECT_EQ(files.passes.size(), c.passesMade);
    ASSERT_TRUE(fake.exists(kPath));
    EXPECT_TRUE(fake.deletes.empty());
    EXPECT_EQ(fake.node(kPath).readOnly, c.readOnly);
    EXPECT_TRUE(fake.node(kPath).hidden);
  }
}

// Only the name is deleted when others share the data: nothing is written, no attribute changes,
// even when the second name appears after the first look (the count is read on the write handle).
TEST(Shredder, AFileWithOtherNamesIsNeverWrittenAndOnlyThisNameGoes) {
  class StaleFacts : public ForwardingFiles {
   public:
    using ForwardingFiles::ForwardingFiles;
    FileStatus fileFacts(const std::string& path, FileFacts& facts) override {
      auto status = inner_.fileFacts(path, facts);
      facts.links = 1;  // as it was before another name was made
      return status;
    }
  };
  for (bool readOnly : {false, true}) {
    for (bool stale : {false, true}) {
      SCOPED_TRACE(std::string(readOnly ? "read-only" : "writable") + (stale ? ", linked meanwhile" : ""));
      FakeFiles fake;
      auto& node = fake.addFile(kPath, 3000, 'k');
      node.links = 2;
      node.readOnly = readOnly;
      StaleFacts staleFiles(fake);
      Files& files = stale ? static_cast<Files&>(staleFiles) : fake;
      const Shred shred = shredFile(files, kPath, 7);
      EXPECT_EQ(shred.end, ShredEnd::SharedData);
      EXPECT_EQ(shred.reason, "other names share its data");
      EXPECT_TRUE(fake.sessions.empty() || fake.sessions[0].writes.empty());
      EXPECT_TRUE(fake.attributeResets.empty() || stale);
      EXPECT_TRUE(shred.nameRemoved);
      EXPECT_FALSE(fake.exists(kPath));
    }
  }
}

TEST(Shredder, ANamedLinkGoesAsANameAndADataLinkIsNeverOpened) {
  FakeFiles files;
  files.addFile("C:\\d\\link").link = true;
  files.addFile("C:\\d\\cloud.docx", 10).dataLink = true;
  EXPECT_EQ(shredFile(files, "C:\\d\\link", 3).end, ShredEnd::LinkRemoved);
  EXPECT_FALSE(files.exists("C:\\d\\link"));
  const Shred cloud = shredFile(files, "C:\\d\\cloud.docx", 3);
  EXPECT_EQ(cloud.end, ShredEnd::NotWiped);
  EXPECT_EQ(cloud.reason, kDataLinkReason);
  EXPECT_TRUE(files.exists("C:\\d\\cloud.docx"));
  EXPECT_TRUE(files.sessions.empty());
  EXPECT_EQ(files.deletes, std::vector<std::string>{});
}

// A file service whose one file is too large to hold in memory: it only counts.
class HugeFile : public Files {
 public:
  struct Writable : WritableFile {
    explicit Writable(HugeFile& owner) : owner(owner) {}
    FileStatus length(std::uint64_t& length) override {
      length = owner.length;
      return {};
    }
    FileStatus writeAt(std::uint64_t offset, const void*, std::size_t size) override {
      if (offset != owner.end) owner.gaps = true;
      owner.end = offset + size;
      owner.length = std::max(owner.length, owner.end);
      return {};
    }
    FileStatus flush() override { return {}; }
    std::uint32_t linkCount() override { return 1; }
    HugeFile& owner;
  };
  char separator() const override { return '\\'; }
  std::optional<std::string> literalPath(const std::string& text) override { return text; }
  std::unique_ptr<FileNode> openNode(const std::string& path, FileStatus& status) override {
    return openPathNode(*this, path, status);
  }
  std::unique_ptr<WritableFile> openForWrite(const std::string&, FileStatus& status) override {
    status = {};
    end = 0;
    return std::make_unique<Writable>(*this);
  }
  FileStatus deleteFile(const std::string&) override {
    deleted = true;
    return {};
  }
  FileStatus renameInFolder(const std::string&, const std::string&) override { return {}; }
  FileStatus namedStreams(const std::string&, std::vector<std::string>&) override { return {}; }
  FileStatus removeLink(const std::string&) override { return {}; }
  FileStatus deleteOneName(const std::string&) override { return {}; }
  FileStatus setNormalAttributes(const std::string&) override { return {}; }
  FileStatus setAttributes(const std::string&, std::uint32_t) override { return {}; }
  FileStatus fileFacts(const std::string&, FileFacts&) override { return {}; }
  FileStatus fileLength(const std::string&, std::uint64_t& size) override {
    size = length;
    return {};
  }
  FileStatus readFile(const std::string&, std::string&, std::size_t) override { return {}; }
  FolderListing readFolder(const std::string&) override { return {}; }
  FileStatus createFolder(const std::string&) override { return {}; }
  std::string tempPath() override { return ""; }
  std::string createUniqueFile(const std::string&, const std::string&) override { return ""; }

  std::uint64_t length = 0, end = 0;
  bool gaps = false, deleted = false;
};

TEST(Shredder, FilesBeyondFourGibibytesAreCoveredToTheEnd) {
  HugeFile files;
  files.length = 5ull * 1024 * 1024 * 1024 + 100;
  EXPECT_TRUE(shredFile(files, "C:\\big.bin", 1));
  EXPECT_EQ(files.end, (5ull * 1024 * 1024 + 1) * kBlock);
  EXPECT_FALSE(files.gaps);
  EXPECT_TRUE(files.deleted);
}

TEST(ForceDelete, RetriesAfterAnAccessRefusalOnly) {
  FakeFiles files;
  files.addFile("C:\\ro.txt").readOnly = true;
  files.addFile("C:\\locked.txt").locked = true;
  EXPECT_TRUE(forceDeleteFile(files, "C:\\ro.txt"));
  EXPECT_FALSE(forceDeleteFile(files, "C:\\locked.txt"));
  EXPECT_TRUE(forceDeleteFile(files, "C:\\missing.txt"));
  // A missing name is never opened, so no delete is even tried.
  EXPECT_EQ(files.deletes, (std::vector<std::string>{"C:\\ro.txt", "C:\\ro.txt", "C:\\locked.txt"}));
  EXPECT_EQ(files.attributeResets, std::vector<std::string>{"C:\\ro.txt"});
  EXPECT_FALSE(files.exists("C:\\ro.txt"));
  EXPECT_TRUE(files.exists("C:\\locked.txt"));
}

}  // namespace
}  // namespace vellox::test
