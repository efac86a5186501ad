#include <gtest/gtest.h>
#include <string>
#include "browser_schemas.h"
#include "browsers/browser_cleaning.h"
#include "platform/posix/posix_files.h"
#include "store_fixture.h"

namespace vellox::test {
namespace {

// A profile with every item, its cookie store holding one cookie.
BrowserProfile fullProfile(const TempDir& dir, BrowserFamily family) {
  const bool firefox = family == BrowserFamily::Firefox;
  BrowserProfile p = profileAt(family, firefox ? "Firefox" : "Chrome", dir / "profile");
  const std::string cookies = p.folder + (firefox ? "/cookies.sqlite" : "/Cookies");
  const std::string history = p.folder + (firefox ? "/places.sqlite" : "/History");
  makeDatabase(cookies, firefox ? kFirefoxCookiesSchema : kChromiumCookiesSchema,
               firefox ? "INSERT INTO moz_cookies(name, value, host) VALUES('n', 'v', '.site.com')"
                       : "INSERT INTO cookies VALUES(1,'.site.com','','n','v',X'00','/',0,1,1,0,1,1,1,0,2,443,0,0,0)");
  makeDatabase(history, firefox ? kFirefoxPlacesSchema : kChromiumHistorySchema, "");
  writeText(p.folder + "/cache/entry", "cached");
  writeText(p.folder + "/session", "tabs");
  p.cookies.databases.push_back(cookies);
  p.history.databases.push_back(history);
  p.cache.folders.push_back(p.folder + "/cache");
  p.session.files.push_back(p.folder + "/session");
  p.dataFolder = "C:/Chrome/User Data";
  return p;
}

TEST(BrowserCleaning, ARunningBrowserIsToldByItsLocksOrItsProgramAndNothingOfItIsChanged) {
  const struct {
    const char* what;
    BrowserFamily family;
    const char* held;        // below the profile folder; nullptr: nothing
    bool staleParentLock;    // a parent.lock file nobody holds
    bool running;
    RunningProgram program = {};  // beside the test's own
  } cases[] = {
      {"Chromium cookie store held", BrowserFamily::Chromium, "Cookies", false, true},
      {"Chromium history held", BrowserFamily::Chromium, "History", false, true},
      {"Chromium not running", BrowserFamily::Chromium, nullptr, false, false},
      {"Chrome running without its locks", BrowserFamily::Chromium, nullptr, false, true, {"CHROME.EXE", ""}},
      {"a program of Chrome's own install", BrowserFamily::Chromium, nullptr, false, true,
       {"chrome_proxy.exe", "C:/Chrome/Application/chrome_proxy.exe"}},
      {"another browser's program", BrowserFamily::Chromium, nullptr, false, false, {"firefox.exe", "C:/f.exe"}},
      {"Firefox parent.lock held", BrowserFamily::Firefox, "parent.lock", true, true},
      {"Firefox left a stale parent.lock", BrowserFamily::Firefox, nullptr, true, false},
      {"Firefox without parent.lock", BrowserFamily::Firefox, nullptr, false, false},
      {"Firefox running without its lock", BrowserFamily::Firefox, nullptr, true, true, {"firefox.exe", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    auto real = posix::makeFiles();
    const BrowserProfile p = fullProfile(dir, c.family);
    FakeProcesses programs;
    if (!c.program.exeName.empty()) programs.programs.push_back(c.program);
    if (c.staleParentLock) writeText(p.folder + "/parent.lock", "");
    BrowserLockFiles files(*real, c.held ? std::set<std::string>{p.folder + "/" + c.held} : std::set<std::string>{});
    EXPECT_EQ(profileInUse(files, programs, p), c.running);
    if (!c.running) continue;
    const std::string cookiesBefore = storeBytes(p.cookies.databases[0]);
    for (BrowserItem item : kBrowserItems) {
      SCOPED_TRACE(itemName(item));
      const ItemFindings found = analyzeItem(files, programs, p, item, KeptSites{});
      EXPECT_EQ(found.state, StoreState::Running);
      EXPECT_EQ(found.found, "in use: " + p.browser + " is running");
      const ItemCleaned cleaned = cleanItem(files, programs, p, item, KeptSites{});
      EXPECT_EQ(cleaned.state, StoreState::Running);
      EXPECT_EQ(cleaned.reason, p.browser + " is running");
    }
    EXPECT_EQ(storeBytes(p.cookies.databases[0]), cookiesBefore);
    EXPECT_EQ(readText(p.folder + "/cache/entry"), "cached");
    EXPECT_EQ(readText(p.folder + "/session"), "tabs");
  }
}

}  // namespace
}  // namespace vellox::test
