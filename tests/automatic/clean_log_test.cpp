#include <gtest/gtest.h>
#include <regex>
#include "automatic/clean_log.h"
#include "automatic/clean_report.h"
#include "fakes/test_env.h"

namespace vellox::test {
namespace {

const std::string kLog = "C:\\Users\\me\\AppData\\Local\\Tarn Vellox\\clean.log";
const std::string kOld = "C:\\Users\\me\\AppData\\Local\\Tarn Vellox\\clean.log.1";

std::string contents(FakeFiles& files, const std::string& path) {
  std::string text;
  files.readFile(path, text, std::string::npos);
  return text;
}

TEST(CleanLog, LivesInTheLocalAppDataFolderAndIsMadeWithItsFolder) {
  TestEnv env;
  EXPECT_EQ(cleanLogPath(env.systemFolders, env.files), kLog);
  ASSERT_TRUE(appendCleanLog(env.files, kLog, "first").ok());
  ASSERT_TRUE(appendCleanLog(env.files, kLog, "zweite Zeile \xC3\xBC").ok());
  EXPECT_EQ(contents(env.files, kLog), "first\r\nzweite Zeile \xC3\xBC\r\n");
  env.systemFolders.appData.local.clear();
  EXPECT_EQ(cleanLogPath(env.systemFolders, env.files), "");
}

// A line that would take the log past 1 MB starts it afresh; one old log is kept.
TEST(CleanLog, RotatesAtOneMegabyteKeepingOneOldLog) {
  TestEnv env;
  env.files.addFile(kOld, "older");
  const std::string full(kCleanLogLimit - 6, 'o');
  env.files.addFile(kLog, full);
  ASSERT_TRUE(appendCleanLog(env.files, kLog, "fits").ok());  // 4 + 2 bytes reach the limit exactly
  EXPECT_EQ(contents(env.files, kLog).size(), kCleanLogLimit);
  ASSERT_TRUE(appendCleanLog(env.files, kLog, "next").ok());
  EXPECT_EQ(contents(env.files, kLog), "next\r\n");
  EXPECT_EQ(contents(env.files, kOld), full + "fits\r\n");
}

// A viewer holding the old log keeps it from being replaced: the line still reaches the log.
TEST(CleanLog, ALogThatCannotBeRotatedTakesTheLineAtItsEnd) {
  TestEnv env;
  env.files.addFile(kOld, "older").locked = true;
  const std::string full(kCleanLogLimit, 'o');
  env.files.addFile(kLog, full);
  ASSERT_TRUE(appendCleanLog(env.files, kLog, "kept").ok());
  EXPECT_EQ(contents(env.files, kLog), full + "kept\r\n");
  env.files.node(kOld).locked = false;
  EXPECT_EQ(contents(env.files, kOld), "older");
}

TEST(CleanLog, ALineSaysWhenWhatWasCleanedAndWhatWasSkippedAndWhy) {
  struct Case {
    CleanMoment moment;
    CleanReport report;
    const char* line;
  };
  const Case cases[] = {
      {CleanMoment::StartUp, {{"cookie folder: 3 files", "Recycle Bin"}, {}},
       "T | start-up | cleaned: cookie folder: 3 files; Recycle Bin | skipped: nothing"},
      {CleanMoment::Exit, {{}, {"cache: stopped"}}, "T | exit | cleaned: nothing | skipped: cache: stopped"},
      {CleanMoment::SessionEnd, {{"cache: 1 entry"}, {"a", "b"}},
       "T | end of session | cleaned: cache: 1 entry | skipped: a; b"},
      {CleanMoment::SessionEnd, {{"cookie folder: 1 file"}, {}, "the session ended", {"cache", "Recycle Bin"}},
       "T | end of session | cleaned: cookie folder: 1 file | skipped: nothing | cut off as the session ended; "
       "not reached: cache; Recycle Bin"},
  };
  for (const auto& c : cases) EXPECT_EQ(cleanLogLine("T", c.moment, c.report), c.line);
  EXPECT_TRUE(std::regex_match(localTimeText(std::chrono::system_clock::now()),
                               std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")));
  EXPECT_EQ(oneLine("The folder was not cleared:\n\nC:\\\nis the root.\r\n"), "The folder was not cleared: C:\\ is the root.");
}

}  // namespace
}  // namespace vellox::test
