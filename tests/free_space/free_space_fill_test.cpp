#include <gtest/gtest.h>
#include "fakes/fake_free_space.h"
#include "free_space/fill_folder.h"
#include "free_space/free_space_fill.h"

namespace vellox::test {
namespace {

using namespace std::chrono_literals;

// A clock that moves a millisecond at every write, so durations follow the work done.
struct World {
  FakeFiles files;
  FakeFreeSpace space{files};
  std::chrono::steady_clock::time_point now{};
  std::size_t writes = 0;
  std::vector<FillProgress> progress;
  FillHooks hooks;
  World() {
    space.beforeWrite = [this] {
      ++writes;
      now += 1ms;
    };
    hooks.now = [this] { return now; };
    hooks.progress = [this](const FillProgress& p) { progress.push_back(p); };
  }
  // D:'s fill, in blocks small enough for small volumes.
  FillReport fill() {
    const Drive drive = space.lookUpDrive("D:").drive;
    FillSettings settings = fillSettingsFor(drive, space.nature(drive));
    settings.blockBytes = 64 * 1024;
    settings.marginBytes = 256 * 1024;
    settings.recheckBytes = 1024 * 1024;
    return fillFreeSpace(space, drive, fillFolderFor(space, files, drive), settings, hooks);
  }
};

struct VolumeCase {
  const char* fileSystem;
  std::uint32_t cluster, sector;
  std::uint64_t clusters, records;
  bool fullAsDenied = false;
};

// Every free cluster and, on NTFS, every free record is taken; then all comes back at once,
// with the disk full only at the end.
TEST(FreeSpaceFill, TakesEveryFreeClusterAndRecordThenGivesAllBack) {
  const VolumeCase cases[] = {
      {"NTFS", 4096, 512, 3000, 40},  {"NTFS", 4096, 4096, 20, 3},  {"FAT32", 1024, 512, 5001, 0},
      {"exFAT", 32768, 512, 700, 0},  {"ReFS", 65536, 4096, 90, 0},  {"FAT32", 1024, 512, 3000, 0, true},
      {"FAT32", 32768, 512, 5ull << 30 >> 15, 0},  // 5 GiB: more than one file, none of 4 GiB
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.fileSystem) + " clusters " + std::to_string(c.clusters));
    World w;
    auto& v = w.space.add("D:\\", c.fileSystem, c.clusters, c.cluster);
    v.nature.sectorBytes = c.sector;
    v.freeRecords = c.records;
    v.fullAsDenied = c.fullAsDenied;
    const FillReport report = w.fill();
    EXPECT_EQ(report.end, FillEnd::Done) << report.error.description;
    EXPECT_EQ(report.written, c.clusters * c.cluster) << "every cluster taken, whole";
    EXPECT_GE(report.files, report.written >> 32 ? 2u : 1u);
    EXPECT_EQ(report.files + report.tinyFiles, c.records ? c.records : report.files) << "every record taken";
    // Released: the space, every name and the folder (which the fake removes only when empty).
    EXPECT_EQ(report.freeAfter, report.freeAtStart);
    EXPECT_FALSE(w.files.exists("D:\\Vellox free space"));
    EXPECT_EQ(w.space.flushes, report.files + report.tinyFiles) << "every file reaches the disk before it goes";
    // Full only from the last small write to the release: a few writes, not the whole fill.
    EXPECT_LE(report.fullFor.value_or(1h), std::chrono::milliseconds(c.records + 3));
    EXPECT_EQ(report.elapsed, std::chrono::milliseconds(w.writes));
    // Progress: phases in order, bytes only growing, out of the free bytes at the start.
    ASSERT_FALSE(w.progress.empty());
    EXPECT_EQ(w.progress.back().phase, FillPhase::Releasing);
    for (std::size_t i = 1; i < w.progress.size(); ++i) {
      EXPECT_LE(w.progress[i - 1].phase, w.progress[i].phase);
      EXPECT_LE(w.progress[i - 1].written, w.progress[i].written);
      EXPECT_EQ(w.progress[i].total, c.clusters * c.cluster);
    }
  }
}

// Cancel stops after the write in progress and flushes nothing; a volume that takes no file, or
// a flush that fails, says why. All give everything back.
TEST(FreeSpaceFill, CancelOrAFailureReleasesEverything) {
  for (const int failure : {0, 112, 1117}) {
    const bool cancelAtTen = failure == 0;
    World w;
    auto& v = w.space.add("D:\\", "NTFS", 4000);
    v.freeRecords = failure == 112 ? 0 : 10;
    w.space.flushFails = failure == 1117;
    std::size_t writesAfterCancel = 0;
    bool cancel = false;
    w.space.beforeWrite = [&] {
      writesAfterCancel += cancel;
      cancel = cancel || ++w.writes == 10;
    };
    w.hooks.cancelled = [&] { return cancelAtTen && cancel; };
    const FillReport report = w.fill();
    EXPECT_EQ(report.end, cancelAtTen ? FillEnd::Cancelled : FillEnd::Failed);
    EXPECT_EQ(report.error.native, failure);
    if (cancelAtTen) EXPECT_EQ(writesAfterCancel, 0u);
    EXPECT_EQ(report.fullFor.has_value(), failure == 1117);
    EXPECT_EQ(w.space.flushes, failure == 1117 ? 1u : 0u) << "a failed flush is the last one tried";
    EXPECT_EQ(v.freeClusters, 4000u);
    EXPECT_FALSE(w.files.exists("D:\\Vellox free space"));
  }
}

}  // namespace
}  // namespace vellox::test
