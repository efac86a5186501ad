#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <vector>
#include "automatic/auto_clean.h"
#include "automatic/auto_world.h"

namespace vellox::test {
namespace {

AutoOptions everything() {
  AutoOptions options;
  options.cookies = options.cache = options.history = options.tempFolder = options.recycleBin = true;
  return options;
}

struct Cleaned {
  CleanReport report;
  std::vector<std::string> statuses;
};

Cleaned clean(TestEnv& env, const AutoOptions& options, CleanBudget::Clock clock = std::chrono::steady_clock::now,
          std::optional<CleanBudget::TimePoint> until = std::nullopt) {
  ShredControl control;
  CleanBudget budget(control, std::move(clock), until);
  Cleaned run;
  run.report = runAutoClean(autoCleanSteps(env.services, env.state.historyStore, options), budget,
                            [&](const std::string& text) { run.statuses.push_back(text); });
  env.state.historyStore.reset();
  return run;
}

TEST(AutoClean, CleansTheCheckedStoresInOrderAndAsksNothing) {
  TestEnv env;
  AutoWorld world(env);
  const Cleaned run = clean(env, everything());
  EXPECT_EQ(run.statuses,
            (std::vector<std::string>{"Deleting cookies...", "Cleaning the browsers' cookies...",
                                      "Cleaning the browsers' site data...", "Clearing cache...",
                                      "Cleaning the browsers' cache...",
                                      "Clearing History...", "Cleaning the browsers' history...",
                                      "Deleting temp folder contents...", "Emptying Recycle bin...", ""}));
  EXPECT_EQ(world.cookiesLeft(), 0);
  EXPECT_TRUE(env.files.exists(AutoWorld::cookie("index.dat"))) << "the cache's own index stays";
  EXPECT_EQ(env.urlCache.urls(), std::vector<std::string>{"Cookie:me@site.test/"})
      << "cached passwords stay while their box is clear";
  EXPECT_EQ(env.urlHistory.state->clearCalls, 1);
  EXPECT_FALSE(env.files.exists(std::string(AutoWorld::kTemp) + "t.tmp"));
  EXPECT_TRUE(env.shell.bin.empty());
  EXPECT_EQ(env.shell.binShown, std::vector<bool>{false}) << "unasked: no progress window, no sound";
  EXPECT_TRUE(env.ui.messages.empty());
  EXPECT_EQ(run.report.cleaned, (std::vector<std::string>{"cookie folder: 3 files", "cache: 1 entry",
                                                          "visited-URL history", "temporary folder: 1 file",
                                                          "Recycle Bin"}));
  EXPECT_EQ(run.report.skipped,
            std::vector<std::string>{
                "cache: 1 entry holding \"Cookie\" kept, as \"Delete Cached passwords\" is not checked"});
}

// The cookie folder's value can be changed by anything: only a folder below the user's
// own app-data folders, where it really leads, is cleaned without asking.
TEST(AutoClean, OnlyTheSystemsOwnCookieFolderIsCleanedAndItsDesktopIniStays) {
  struct Case {
    const char* folder;  // the Shell Folders value
    const char* real;    // where the folder really is
    bool link;           // the value names a link to `real`
    bool cleaned;
  };
  const char* kInetCookies = "C:\\Users\\me\\AppData\\Local\\Microsoft\\Windows\\INetCookies";
  const char* kDocuments = "C:\\Users\\me\\Documents";
  const Case cases[] = {
      {kInetCookies, kInetCookies, false, true},
      {"c:\\users\\ME\\appdata\\local\\microsoft\\windows\\inetcookies", kInetCookies, false, true},
      // Anywhere else below AppData is no cookie folder of the system's, even a folder named so.
      {"C:\\Users\\me\\AppData\\Roaming\\Cookies", "C:\\Users\\me\\AppData\\Roaming\\Cookies", false, false},
      {"C:\\Users\\me\\AppData\\Local", "C:\\Users\\me\\AppData\\Local", false, false},
      {kDocuments, kDocuments, false, false},
      {"C:\\Users\\me\\AppData\\LocalCookies", "C:\\Users\\me\\AppData\\LocalCookies", false, false},
      {"C:\\Users\\me\\AppData\\Local\\Cookies", kDocuments, true, false},
      {"D:\\Cookies", "D:\\Cookies", false, false},
      {nullptr, "C:\\Users\\me\\AppData\\Local\\Cookies", false, false},  // no value at all
  };
  for (const auto& c : cases) {
    TestEnv env;
    env.files.addFolder("C:\\Users\\me\\AppData\\Roaming");
    env.files.addFile(std::string(c.real) + "\\cookie.txt", 10);
    env.files.addFile(std::string(c.real) + "\\desktop.ini", 10);
    if (c.link) {
      env.files.addFolder(c.folder);
      env.systemFolders.links[c.folder] = c.real;
    }
    if (c.folder) env.registry.setString(kShellFoldersKey, kCookiesValue, c.folder);
    AutoOptions options;
    options.cookies = true;
    const Cleaned run = clean(env, options);
    const std::string value = c.folder ? c.folder : "no value";
    EXPECT_EQ(env.files.exists(std::string(c.real) + "\\cookie.txt"), !c.cleaned) << value;
    EXPECT_TRUE(env.files.exists(std::string(c.real) + "\\desktop.ini")) << value;
    EXPECT_TRUE(env.ui.messages.empty()) << value;
    if (c.cleaned) continue;
    ASSERT_EQ(run.report.skipped.size(), 1u) << value;
    EXPECT_EQ(run.report.skipped[0], c.folder ? "cookie folder \"" + value + "\": is not the system's own cookie folder"
                                              : "cookie folder: its Shell Folders value could not be read (System "
                                                "error 2.)");
  }
}

// At the session's end the clean stops when its time is up; what it did not reach is said.
TEST(AutoClean, ADeadlineStopsBetweenFilesAndSkipsTheRest) {
  TestEnv env;
  AutoWorld world(env);
  const auto start = std::chrono::steady_clock::time_point{};
  // Time runs out with the first file deleted.
  auto clock = [&] { return start + (env.files.deletes.empty() ? std::chrono::seconds(0) : std::chrono::seconds(9)); };
  const Cleaned run = clean(env, everything(), clock, start + std::chrono::seconds(4));
  EXPECT_EQ(world.cookiesLeft(), 2);
  EXPECT_EQ(env.urlHistory.state->clearCalls, 0);
  EXPECT_EQ(run.report.cleaned, std::vector<std::string>{"cookie folder: 1 file"});
  EXPECT_EQ(run.report.skipped,
            std::vector<std::string>{"cookie folder: 2 files not reached before the session ended"});
  EXPECT_EQ(run.report.cutOff, "the session ended");
  EXPECT_EQ(run.report.notReached,
            (std::vector<std::string>{"browsers' cookies", "browsers' site data", "cache", "browsers' cache",
                                      "visited-URL history", "browsers' history", "temporary folder", "Recycle Bin"}));
}

// Each file takes 100 ms to go: a cache of 100, plain or shredded, stops within one file of the 4 s deadline.
TEST(AutoClean, ADeadlineCutsALongItemShortWithinOneFile) {
  const std::string cache = "C:\\Users\\me\\AppData\\Local\\Google\\Chrome\\User Data\\Default\\Cache\\f_";
  for (int passes : {0, 3}) {
    TestEnv env;
    AutoWorld world(env);
    for (int i = 0; i < 100; ++i) env.files.addFile(cache + std::to_string(i), 10);
    const auto start = std::chrono::steady_clock::time_point{};
    auto clock = [&] { return start + std::chrono::milliseconds(100) * env.files.deletes.size(); };
    AutoOptions options;
    options.cache = options.tempFolder = true;
    options.securePasses = passes;
    const Cleaned run = clean(env, options, clock, start + std::chrono::seconds(4));
    std::size_t left = 0;
    for (int i = 0; i < 100; ++i) left += env.files.exists(cache + std::to_string(i));
    EXPECT_THAT(left, testing::AllOf(testing::Ge(60u), testing::Le(61u))) << passes;
    EXPECT_EQ(run.report.cutOff, "the session ended");
    EXPECT_EQ(run.report.notReached, std::vector<std::string>{"temporary folder"});
    EXPECT_THAT(run.report.skipped, testing::Contains("Chrome (Default) cache: cut off before its end"));
    EXPECT_TRUE(env.files.exists(std::string(AutoWorld::kTemp) + "t.tmp"));
  }
}

// "Secure Wipe all other areas": a cookie file, a cache entry's local copy and a temporary
// file are overwritten with the chosen passes before they go; without it, the temporary
// folder gets its single pass and the others are deleted plainly.
TEST(AutoClean, SecureForAllShredsEveryDeletedFileWithTheChosenPasses) {
  for (int passes : {0, 3, 7}) {
    TestEnv env;
    AutoWorld world(env);
    AutoOptions options = everything();
    options.securePasses = passes;
    clean(env, options);
    const auto shredded = [&](const std::string& path, int count) {
      EXPECT_EQ(env.files.deletedData[path], std::vector<std::uint8_t>(static_cast<std::size_t>(count) * 1024, 1))
          << path << " with " << passes;
    };
    if (passes > 0) {
      shredded(AutoWorld::cookie("a.txt"), passes);
      shredded(AutoWorld::kCached, passes);
    } else {
      EXPECT_EQ(env.files.deletedData[AutoWorld::cookie("a.txt")], std::vector<std::uint8_t>(10, 'x'));
      EXPECT_TRUE(env.files.exists(AutoWorld::kCached)) << "a plain clear leaves the copy to the cache";
    }
    shredded(std::string(AutoWorld::kTemp) + "t.tmp", passes > 0 ? passes : 1);
  }
}

}  // namespace
}  // namespace vellox::test
