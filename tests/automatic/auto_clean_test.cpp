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
            (std::vector<std::string>{"Deleting cookies...", "Cleaning the browsers' cookies...", "Clearing cache...",
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
      // Anywhere else below AppData is no cookie folder of the system's: a start menu, say.
      {"C:\\Users\\me\\AppData\\Roaming\\Cookies", "C:\\Users\\me\\AppData\\Roaming\\Cookies", false, false},
      {"C:\\Users\\me\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs",
       "C:\\Users\\me\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs", false, false},
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
  const char* late = "not reached before the session ended";
  EXPECT_EQ(run.report.skipped,
            (std::vector<std::string>{std::string("cookie folder: 2 files ") + late,
                                      std::string("browsers' cookies: ") + late, std::string("cache: ") + late,
                                      std::string("browsers' cache: ") + late,
                                      std::string("visited-URL history: ") + late,
                                      std::string("browsers' history: ") + late,
                                      std::string("temporary folder: ") + late, std::string("Recycle Bin: ") + late}));
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
