#include <gtest/gtest.h>
#include <algorithm>
#include "fakes/fake_files.h"
#include "wipe/forwarding_files.h"
#include "wipe/mod_secure_wipe.h"

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

TEST(Shredder, VanishedFileIsNotWipedAndNotRecreated) {
  FakeFiles files;
  files.addFolder("C:\\data");
  EXPECT_FALSE(shredFile(files, kPath, 3));
  EXPECT_FALSE(files.exists(kPath));
  EXPECT_TRUE(files.sessions.empty());
}

TEST(Shredder, AFailedWriteMeansNotWipedEvenThoughTheFileIsGone) {
  FakeFiles fake;
  fake.addFile(kPath, 5000);
  PassRecorder files(fake);
  files.failWritesInPass = 2;
  EXPECT_FALSE(shredFile(files, kPath, 3));
  EXPECT_EQ(files.passes.size(), 3u);  // the remaining passes are still made
  EXPECT_FALSE(fake.exists(kPath));
}

// A file service whose one file is too large to hold in memory: it only counts.
class HugeFile : public Files {
 public:
  struct Writable : WritableFile {
    explicit Writable(HugeFile& owner) : owner(owner) {}
    std::optional<std::uint64_t> length() override { return owner.length; }
    bool writeAt(std::uint64_t offset, const void*, std::size_t size) override {
      if (offset != owner.end) owner.gaps = true;
      owner.end = offset + size;
      owner.length = std::max(owner.length, owner.end);
      return true;
    }
    bool flush() override { return true; }
    HugeFile& owner;
  };
  char separator() const override { return '\\'; }
  std::unique_ptr<WritableFile> openForWrite(const std::string&, FileStatus& status) override {
    status = {};
    end = 0;
    return std::make_unique<Writable>(*this);
  }
  FileStatus deleteFile(const std::string&) override {
    deleted = true;
    return {};
  }
  FileStatus setNormalAttributes(const std::string&) override { return {}; }
  FileStatus fileLength(const std::string&, std::uint64_t& size) override {
    size = length;
    return {};
  }
  FileStatus readFile(const std::string&, std::string&, std::size_t) override { return {}; }
  std::optional<std::vector<DirEntry>> listFolder(const std::string&) override { return std::nullopt; }
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
  EXPECT_EQ(files.deletes,
            (std::vector<std::string>{"C:\\ro.txt", "C:\\ro.txt", "C:\\locked.txt", "C:\\missing.txt"}));
  EXPECT_EQ(files.attributeResets, std::vector<std::string>{"C:\\ro.txt"});
  EXPECT_FALSE(files.exists("C:\\ro.txt"));
  EXPECT_TRUE(files.exists("C:\\locked.txt"));
}

}  // namespace
}  // namespace vellox::test
