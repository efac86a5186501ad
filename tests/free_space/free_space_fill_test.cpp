#include <gmock/gmock.h>
#include <algorithm>
#include "automatic/clean_log.h"
#include "fakes/test_env.h"
#include "free_space/fill_folder.h"
#include "free_space/fill_names.h"
#include "free_space/fill_texts.h"

namespace vellox::test {
namespace {

using namespace std::chrono_literals;

// A clock that moves a millisecond at every write, so durations follow the work done.
struct World : TestEnv {
  std::chrono::steady_clock::time_point now{};
  std::vector<FillProgress> progress;
  FillHooks hooks{.now = [this] { return now; }, .progress = [this](const FillProgress& p) { progress.push_back(p); }};
  World() { freeSpace.beforeWrite = [this] { now += 1ms; }; }
  // D:'s fill, in blocks small enough for small volumes.
  FillReport fill() {
    const Drive drive = freeSpace.lookUpDrive("D:").drive;
    FillSettings settings = fillSettingsFor(drive, freeSpace.nature(drive));
    settings.blockBytes = 64 * 1024;
    settings.marginBytes = 256 * 1024;
    settings.recheckBytes = 1024 * 1024;
    return fillFreeSpace(freeSpace, drive, fillFolderFor(freeSpace, files, drive), settings, hooks);
  }
};

// Every free cluster and, on NTFS, every free record is taken; then all comes back at once,
// with the disk full only at the end.
TEST(FreeSpaceFill, TakesEveryFreeClusterAndRecordThenGivesAllBack) {
  const struct { const char* fileSystem; std::uint32_t cluster, sector; std::uint64_t clusters, records;
                 bool fullAsDenied = false; } cases[] = {
      {"NTFS", 4096, 512, 3000, 40},  {"NTFS", 4096, 4096, 20, 3},  {"FAT32", 1024, 512, 5001, 0},
      {"exFAT", 32768, 512, 700, 0},  {"ReFS", 65536, 4096, 90, 0},  {"FAT32", 1024, 512, 3000, 0, true},
      {"FAT32", 32768, 512, 5ull << 30 >> 15, 0},  // 5 GiB: more than one file, none of 4 GiB
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.fileSystem) + " clusters " + std::to_string(c.clusters));
    World w;
    auto& v = w.freeSpace.add("D:\\", c.fileSystem, c.clusters, c.cluster);
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
    EXPECT_EQ(w.freeSpace.flushes, report.files + report.tinyFiles) << "every file reaches the disk before it goes";
    // Full only from the last small write to the release: a few writes, not the whole fill.
    EXPECT_LE(report.fullFor.value_or(1h), std::chrono::milliseconds(c.records + 3));
    EXPECT_EQ(report.elapsed, w.now.time_since_epoch());
    // Progress: phases in order, bytes only growing, out of the free bytes at the start.
    ASSERT_FALSE(w.progress.empty());
    EXPECT_EQ(w.progress.back().phase, FillPhase::Releasing);
    EXPECT_TRUE(std::ranges::is_sorted(w.progress, {}, &FillProgress::phase));
    EXPECT_TRUE(std::ranges::is_sorted(w.progress, {}, &FillProgress::written));
    EXPECT_TRUE(std::ranges::all_of(w.progress, [&](auto& p) { return p.total == c.clusters * c.cluster; }));
  }
}

// Cancel after the tenth write stops the fill before the next one, and flushes nothing; a volume
// that takes no file, or a flush that fails, says why. All give everything back.
TEST(FreeSpaceFill, CancelOrAFailureReleasesEverything) {
  for (const int failure : {0, 112, 1117}) {
    World w;
    auto& v = w.freeSpace.add("D:\\", "NTFS", 4000);
    v.freeRecords = failure == 112 ? 0 : 10;
    w.freeSpace.flushFails = failure == 1117;
    if (!failure) w.hooks.cancelled = [&w] { return w.now.time_since_epoch() >= 10ms; };
    const FillReport report = w.fill();
    EXPECT_EQ(report.end, failure ? FillEnd::Failed : FillEnd::Cancelled);
    EXPECT_EQ(report.error.native, failure);
    EXPECT_TRUE(failure || w.now.time_since_epoch() == 10ms) << "no write after Cancel";
    EXPECT_EQ(report.fullFor.has_value(), failure == 1117);
    EXPECT_EQ(w.freeSpace.flushes, failure == 1117 ? 1u : 0u) << "a failed flush is the last one tried";
    EXPECT_EQ(v.drive.freeBytes, 4000u * 4096);
    EXPECT_FALSE(w.files.exists("D:\\Vellox free space"));
  }
}

TEST(FreeSpaceTexts, ProgressSaysSpeedTimeLeftAndPercent) {
  EXPECT_FALSE(fillProgress(FillPhase::Large, 0, 1000, 0ms).timeLeft.has_value());
  EXPECT_EQ(fillProgress(FillPhase::Large, 300, 1000, 1000ms).timeLeft, 3s);     // 2.33 s, rounded up
  EXPECT_EQ(fillProgress(FillPhase::Large, 1200, 1000, 2000ms).percent(), 100);  // others freed space meanwhile
  EXPECT_EQ(fillStatus(Drive{"D:\\", "", "NTFS"}, fillProgress(FillPhase::Large, 500 << 20, 1000 << 20, 5s)),
            "Wiping free space of D: 50% (500 MB of 1,000 MB), 100 MB/s, 5.0 s left");
}

// Each fact about the drive brings its own limit, in the warning and the closing message; a
// spinning disk without shadow copies has none.
TEST(FreeSpaceTexts, WarningAndClosingSayWhatHappensAndWhatItCannotReach) {
  const Drive drive{"D:\\", "Data", "NTFS", 3000ull << 20, 8000ull << 20};
  const DriveNature ssd{.media = DriveMedia::SolidState};
  const auto warningFor = [&](const DriveNature& nature) { return fillWarning(drive, nature, std::nullopt); };
  const FillReport done{.end = FillEnd::Done, .freeAtStart = 3000ull << 20, .freeAfter = 2999ull << 20,
                        .written = 3000ull << 20, .elapsed = 125s, .fullFor = 1200ms, .error = {}};
  const FillReport failed{.end = FillEnd::Failed, .freeAtStart = 3000ull << 20, .freeAfter = std::nullopt,
                          .written = 3000ull << 20, .elapsed = 125s, .fullFor = std::nullopt,
                          .error = {.description = "The device is not ready."}};
  EXPECT_TRUE(fillLimits({.media = DriveMedia::Rotating}).empty());
  // 3000 MB at 100 MB/s; a wipe that did not end claims nothing about what it reached.
  const std::pair<std::string, std::vector<const char*>> texts[] = {
      {fillWarning(drive, ssd, 100.0 * (1 << 20)),
       {"D: (Data, NTFS)", "2.9 GB are free", "(100 MB/s) this takes about 30 s", "remaps writes"}},
      {fillClosing(drive, ssd, done),
       {"was wiped: 2.9 GB in 2 min 5 s", "full for 1.2 s", "before: 2.9 GB, after: 2.9 GB", "remaps writes"}},
      {fillClosing(drive, ssd, failed), {"stopped: The device is not ready.", "after: cannot be read"}},
      {warningFor(ssd), {"could not be measured", "is an SSD", "secure erase"}},
      {warningFor({.media = DriveMedia::Rotating, .trim = true}), {"takes TRIM", "remaps writes"}},
      {warningFor({.media = DriveMedia::Unknown}), {"may be an SSD", "remaps writes"}},
      {warningFor({.media = DriveMedia::Rotating, .shadowCopies = true}), {"restore points keep old data"}},
      {warningFor({.media = DriveMedia::Rotating, .shadowCopies = std::nullopt}), {"cannot be told: restore points"}},
  };
  for (const auto& [text, parts] : texts)
    for (const char* part : parts) EXPECT_THAT(text, testing::HasSubstr(part));
  EXPECT_THAT(fillClosing(drive, ssd, failed), testing::Not(testing::HasSubstr("remaps writes")));
  EXPECT_EQ(fillResultLine(drive, done), "D: (Data, NTFS) free space wiped: 2.9 GB written in 2 min 5 s, "
                                         "disk full for 1.2 s; Free space before: 2.9 GB, after: 2.9 GB.");
}

// The fill folder is in the temporary folder on its own volume, else at the drive's root. After
// a power cut, only files named as fill files, inside a fill folder, go; then the folders left
// empty; one line goes to the clean log, which counts them.
TEST(FreeSpaceLeftovers, RemovesOnlyOurFilesInOurFoldersAndLogsIt) {
  TestEnv env;
  auto& files = env.files;
  files.temp = "c:\\Users\\me\\Temp\\";  // the drive's letter in another case
  env.freeSpace.add("C:\\", "NTFS", 10);
  env.freeSpace.add("D:\\", "FAT32", 10);
  env.freeSpace.add("E:\\", "NTFS", 10);
  const std::string temp = files.temp + "Vellox free space\\", d = "D:\\Vellox free space\\";
  EXPECT_EQ(fillFolderFor(env.freeSpace, files, env.freeSpace.lookUpDrive("C:").drive), temp);
  EXPECT_EQ(fillFolderFor(env.freeSpace, files, env.freeSpace.lookUpDrive("D:").drive), d);
  files.addFolder(d + fillFileName(4));
  const std::pair<std::string, bool> seeded[] = {  // a file, and whether it stays
      {temp + fillFileName(1), false}, {temp + fillFileName(2), false}, {d + fillFileName(3), false},
      {d + "notes.txt", true},         {d + "vellox-fill-x.tmp", true},  {"D:\\Other\\" + fillFileName(5), true},
      {"E:\\Vellox free space\\" + fillFileName(6), true},  // behind a link: never followed
  };
  for (const auto& [path, stays] : seeded) files.addFile(path, 10);
  files.node("E:\\Vellox free space").link = true;

  recoverFillLeftovers(env.freeSpace, files, env.systemFolders);
  for (const auto& [path, stays] : seeded) EXPECT_EQ(files.exists(path), stays) << path;
  EXPECT_FALSE(files.exists(files.temp + "Vellox free space"));
  EXPECT_TRUE(files.exists("c:\\Users\\me\\Temp") && files.exists(d + fillFileName(4)));
  std::string log;
  files.readFile(cleanLogPath(env.systemFolders, files), log, std::string::npos);
  EXPECT_THAT(log, testing::HasSubstr(" | start-up | Removed what an interrupted free-space wipe left: 3 fill files "
                                      "and 1 folder ("));

  EXPECT_EQ(leftoverLogLine(recoverFillLeftovers(env.freeSpace, files, env.systemFolders)), "") << "a second start";
}

}  // namespace
}  // namespace vellox::test
