#include <gtest/gtest.h>
#include "automatic/clean_log.h"
#include "fakes/test_env.h"
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

std::string limits(const DriveNature& nature) {
  std::string all;
  for (const auto& limit : fillLimits(nature)) all += limit;
  return all;
}

// Each fact about the drive brings its own limit, in the warning and the closing message; a
// spinning disk without shadow copies has none.
TEST(FillTexts, WarningAndClosingSayWhatHappensAndWhatItCannotReach) {
  const Drive drive{"D:\\", "Data", "NTFS", 3000ull << 20, 8000ull << 20, false};
  const DriveNature ssd{.media = DriveMedia::SolidState};
  const FillReport done{.end = FillEnd::Done, .freeAtStart = 3000ull << 20, .freeAfter = 2999ull << 20,
                        .written = 3000ull << 20, .elapsed = 125s, .fullFor = 1200ms, .error = {}};
  const FillReport failed{.end = FillEnd::Failed, .freeAtStart = 3000ull << 20, .freeAfter = std::nullopt,
                          .written = 3000ull << 20, .elapsed = 125s, .fullFor = std::nullopt,
                          .error = {.description = "The device is not ready."}};
  EXPECT_EQ(limits({.media = DriveMedia::Rotating}), "");
  // 3000 MB at 100 MB/s; a wipe that did not end claims nothing about what it reached.
  const std::pair<std::string, std::vector<const char*>> texts[] = {
      {fillWarning(drive, ssd, 100.0 * (1 << 20)),
       {"D: (Data, NTFS)", "2.9 GB are free", "(100 MB/s) this takes about 30 s", "remaps writes"}},
      {fillWarning(drive, ssd, std::nullopt), {"could not be measured"}},
      {fillClosing(drive, ssd, done),
       {"was wiped: 2.9 GB in 2 min 5 s", "full for 1.2 s", "before: 2.9 GB, after: 2.9 GB", "remaps writes"}},
      {fillClosing(drive, ssd, failed), {"stopped: The device is not ready.", "after: cannot be read"}},
      {limits({.media = DriveMedia::SolidState}), {"is an SSD", "secure erase"}},
      {limits({.media = DriveMedia::Rotating, .trim = true}), {"takes TRIM", "remaps writes"}},
      {limits({.media = DriveMedia::Unknown}), {"may be an SSD", "remaps writes"}},
      {limits({.media = DriveMedia::Rotating, .shadowCopies = true}), {"restore points keep old data"}},
      {limits({.media = DriveMedia::Rotating, .shadowCopies = std::nullopt}), {"cannot be told: restore points, if it has any"}},
  };
  for (const auto& [text, parts] : texts)
    for (const char* part : parts) EXPECT_TRUE(has(text, part)) << text;
  EXPECT_FALSE(has(texts[3].first, "remaps writes")) << texts[3].first;
  EXPECT_EQ(fillResultLine(drive, done),
            "D: (Data, NTFS) free space wiped: 2.9 GB written in 2 min 5 s, disk full for 1.2 s; Free space before: 2.9 GB, "
            "after: 2.9 GB.");
}

// The fill folder is in the temporary folder on its own volume, else at the drive's root. After
// a power cut, only files named as fill files, inside a fill folder, go; then the folders left
// empty; one line goes to the clean log.
TEST(FillLeftovers, RemovesOnlyOurFilesInOurFoldersAndLogsIt) {
  TestEnv env;
  auto& files = env.files;
  files.temp = "c:\\Users\\me\\Temp\\";  // the drive's letter in another case
  env.freeSpace.add("C:\\", "NTFS", 10);
  env.freeSpace.add("D:\\", "FAT32", 10);
  const std::string temp = files.temp + "Vellox free space\\", d = "D:\\Vellox free space\\";
  EXPECT_EQ(fillFolderFor(env.freeSpace, files, env.freeSpace.lookUpDrive("C:").drive), temp);
  EXPECT_EQ(fillFolderFor(env.freeSpace, files, env.freeSpace.lookUpDrive("D:").drive), d);
  files.addFolder(d + fillFileName(4));
  const std::pair<std::string, bool> seeded[] = {  // a file, and whether it stays
      {temp + fillFileName(1), false}, {temp + fillFileName(2), false}, {d + fillFileName(3), false},
      {d + "notes.txt", true},         {d + "vellox-fill-x.tmp", true},  {"D:\\Other\\" + fillFileName(5), true},
  };
  for (const auto& [path, stays] : seeded) files.addFile(path, 10);

  const LeftoverCleanup cleanup = recoverFillLeftovers(env.freeSpace, files, env.systemFolders);
  EXPECT_EQ(cleanup.files, 3u);
  EXPECT_EQ(cleanup.folders, 1u);
  for (const auto& [path, stays] : seeded) EXPECT_EQ(files.exists(path), stays) << path;
  EXPECT_FALSE(files.exists(files.temp + "Vellox free space"));
  EXPECT_TRUE(files.exists("c:\\Users\\me\\Temp") && files.exists(d + fillFileName(4)));
  std::string log;
  files.readFile(cleanLogPath(env.systemFolders, files), log, std::string::npos);
  EXPECT_TRUE(has(log, " | start-up | Removed what an interrupted free-space wipe left: 3 fill files and 1 folder ("))
      << log;

  EXPECT_EQ(leftoverLogLine(recoverFillLeftovers(env.freeSpace, files, env.systemFolders)), "") << "a second start";
}

}  // namespace
}  // namespace vellox::test
