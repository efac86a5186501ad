#include <gtest/gtest.h>
#include "automatic/clean_log.h"
#include "fakes/fake_free_space.h"
#include "fakes/fake_system_folders.h"
#include "free_space/fill_folder.h"
#include "free_space/fill_names.h"
#include "free_space/fill_texts.h"

namespace vellox::test {
namespace {

using namespace std::chrono_literals;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(FillProgressText, SpeedTimeLeftAndPercent) {
  EXPECT_FALSE(fillProgress(FillPhase::Large, 0, 1000, 0ms).timeLeft.has_value());
  EXPECT_EQ(fillProgress(FillPhase::Large, 300, 1000, 1000ms).timeLeft, 3s);  // 2.33 s, rounded up
  EXPECT_EQ(fillProgress(FillPhase::Large, 1200, 1000, 2000ms).percent(), 100);  // others freed space meanwhile
  EXPECT_EQ(fillStatus(Drive{"D:\\", "", "NTFS", 0, 0, false}, fillProgress(FillPhase::Large, 500 << 20, 1000 << 20, 5s)),
            "Wiping free space of D: 50% (500 MB of 1,000 MB), 100 MB/s, 5.0 s left");
}

// Each fact about the drive brings its own warning; a spinning disk without shadow copies none.
TEST(FillTexts, LimitsFollowWhatTheDriveReports) {
  struct Case {
    DriveMedia media;
    bool trim;
    std::optional<bool> shadows;
    std::vector<const char*> expected;
  };
  const Case cases[] = {
      {DriveMedia::Rotating, false, false, {}},
      {DriveMedia::SolidState, false, false, {"is an SSD", "secure erase"}},
      {DriveMedia::Rotating, true, false, {"takes TRIM", "remaps writes"}},
      {DriveMedia::Unknown, false, false, {"may be an SSD", "remaps writes"}},
      {DriveMedia::Rotating, false, true, {"restore points keep old data"}},
      {DriveMedia::Rotating, false, std::nullopt, {"cannot be told: restore points, if it has any"}},
  };
  for (const auto& c : cases) {
    DriveNature nature;
    nature.media = c.media;
    nature.trim = c.trim;
    nature.shadowCopies = c.shadows;
    std::string all;
    for (const auto& limit : fillLimits(nature)) all += limit;
    EXPECT_EQ(all.empty(), c.expected.empty()) << all;
    for (const char* part : c.expected) EXPECT_TRUE(has(all, part)) << all;
  }
}

TEST(FillTexts, WarningAndClosingSayWhatHappensAndWhatItCannotReach) {
  const Drive drive{"D:\\", "Data", "NTFS", 3000ull << 20, 8000ull << 20, false};
  DriveNature ssd;
  ssd.media = DriveMedia::SolidState;
  const std::string warning = fillWarning(drive, ssd, 100.0 * (1 << 20));
  EXPECT_TRUE(has(warning, "D: (Data, NTFS)")) << warning;
  EXPECT_TRUE(has(warning, "2.9 GB are free")) << warning;
  EXPECT_TRUE(has(warning, "(100 MB/s) this takes about 30 s")) << warning;  // 3000 MB at 100 MB/s
  EXPECT_TRUE(has(warning, "remaps writes")) << warning;
  EXPECT_TRUE(has(fillWarning(drive, ssd, std::nullopt), "could not be measured"));

  FillReport report;
  report.end = FillEnd::Done;
  report.freeAtStart = 3000ull << 20;
  report.freeAfter = 2999ull << 20;
  report.written = 3000ull << 20;
  report.elapsed = 125s;
  report.fullFor = 1200ms;
  const std::string closing = fillClosing(drive, ssd, report);
  for (const char* part : {"was wiped: 2.9 GB in 2 min 5 s", "full for 1.2 s", "before: 2.9 GB, after: 2.9 GB",
                           "remaps writes"})
    EXPECT_TRUE(has(closing, part)) << closing;
  EXPECT_EQ(fillResultLine(drive, report),
            "D: (Data, NTFS) free space wiped: 2.9 GB written in 2 min 5 s, disk full for 1.2 s; Free space before: 2.9 GB, "
            "after: 2.9 GB.");

  report.end = FillEnd::Failed;
  report.error.description = "The device is not ready.";
  report.fullFor.reset();
  report.freeAfter.reset();
  const std::string failed = fillClosing(drive, ssd, report);
  EXPECT_TRUE(has(failed, "stopped: The device is not ready.")) << failed;
  EXPECT_TRUE(has(failed, "after: cannot be read")) << failed;
  EXPECT_FALSE(has(failed, "remaps writes")) << failed;  // it claims nothing about a wipe that did not end
}

// After a power cut: only files named as fill files, inside a fill folder, go; then the
// folders left empty; one line goes to the clean log.
TEST(FillLeftovers, RemovesOnlyOurFilesInOurFoldersAndLogsIt) {
  FakeFiles files;
  FakeFreeSpace space(files);
  FakeSystemFolders system(files);
  files.temp = "C:\\Users\\me\\Temp\\";
  space.add("C:\\", "NTFS", 10);
  space.add("D:\\", "FAT32", 10);
  const std::string tempFill = "C:\\Users\\me\\Temp\\Vellox free space\\";
  files.addFile(tempFill + fillFileName(1), 10);
  files.addFile(tempFill + fillFileName(2), 10);
  files.addFile("D:\\Vellox free space\\" + fillFileName(3), 10);
  files.addFile("D:\\Vellox free space\\notes.txt", "mine");
  files.addFolder("D:\\Vellox free space\\" + fillFileName(4));
  files.addFile("D:\\Vellox free space\\vellox-fill-x.tmp", 1);
  files.addFile("D:\\Other\\" + fillFileName(5), 10);

  const LeftoverCleanup cleanup = recoverFillLeftovers(space, files, system);
  EXPECT_EQ(cleanup.files, 3u);
  EXPECT_EQ(cleanup.folders, 1u);
  EXPECT_FALSE(files.exists("C:\\Users\\me\\Temp\\Vellox free space"));
  EXPECT_TRUE(files.exists("C:\\Users\\me\\Temp"));
  EXPECT_FALSE(files.exists("D:\\Vellox free space\\" + fillFileName(3)));
  for (const std::string kept : {"D:\\Vellox free space\\notes.txt", "D:\\Vellox free space\\vellox-fill-000004.tmp",
                                 "D:\\Vellox free space\\vellox-fill-x.tmp", "D:\\Other\\vellox-fill-000005.tmp"})
    EXPECT_TRUE(files.exists(kept)) << kept;
  std::string log;
  files.readFile(cleanLogPath(system, files), log, std::string::npos);
  EXPECT_TRUE(has(log, " | start-up | Removed what an interrupted free-space wipe left: 3 fill files and 1 folder ("))
      << log;

  // A second start finds nothing and writes nothing.
  const LeftoverCleanup again = recoverFillLeftovers(space, files, system);
  EXPECT_TRUE(again.places.empty());
  EXPECT_EQ(leftoverLogLine(LeftoverCleanup{}), "");
}

}  // namespace
}  // namespace vellox::test
