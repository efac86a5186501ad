#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "browsers/browser_cleaning.h"
#include "browsers/browser_schemas.h"
#include "browsers/profile_at.h"
#include "browsers/sqlite/database.h"
#include "fakes/fake_processes.h"
#include "files_temp_dir.h"
#include "platform/win32/handle.h"
#include "platform/win32/win32_services.h"

namespace vellox::test {
namespace {

// Only the locks tell here: no browser's program runs.
FakeProcesses noPrograms;
bool profileInUse(Files& files, const BrowserProfile& p) { return vellox::profileInUse(files, noPrograms, p); }

// Opened the way a running browser opens its stores: with no sharing at all.
win32::UniqueHandle holdWithoutSharing(const std::string& path) {
  return win32::UniqueHandle(CreateFileW(toWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string bytesOf(Files& files, const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(files.readFile(path, bytes, 1 << 20).ok());
  return bytes;
}

TEST(BrowserLockWin32, ACookieStoreHeldWithoutSharingIsARunningBrowserAndStaysByteIdentical) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  BrowserProfile chrome = profileAt(BrowserFamily::Chromium, "Chrome", dir / "Default");
  const std::string store = chrome.folder + "\\Cookies";
  ASSERT_TRUE(makeFile(store, ""));
  {
    sqlite::Database db;
    ASSERT_TRUE(db.open(store, sqlite::OpenMode::ReadWrite).ok());
    ASSERT_TRUE(db.execute(kChromiumCookiesSchema).ok());
    ASSERT_TRUE(db.execute("INSERT INTO cookies VALUES(1,'.site.com','','n','v',X'00','/',0,1,1,0,1,1,1,0,2,443,0,0,0)")
                    .ok());
  }
  chrome.cookies.databases.push_back(store);
  EXPECT_FALSE(profileInUse(*files, chrome));
  const std::string before = bytesOf(*files, store);

  win32::UniqueHandle held = holdWithoutSharing(store);
  ASSERT_TRUE(held);
  EXPECT_TRUE(profileInUse(*files, chrome));
  const ItemFindings found = analyzeItem(*files, noPrograms, chrome, BrowserItem::Cookies, KeptSites{});
  EXPECT_EQ(found.state, StoreState::Running);
  EXPECT_EQ(found.found, "in use: Chrome is running");
  const ItemCleaned cleaned = cleanItem(*files, noPrograms, chrome, BrowserItem::Cookies, KeptSites{});
  EXPECT_EQ(cleaned.state, StoreState::Running);
  EXPECT_EQ(cleaned.reason, "Chrome is running");
  EXPECT_EQ(cookieSites(*files, {chrome}), std::vector<std::string>{}) << "a store that cannot be read gives nothing";
  held.reset();

  EXPECT_EQ(bytesOf(*files, store), before);
  EXPECT_EQ(cookieSites(*files, {chrome}), std::vector<std::string>{"site.com"});
}

TEST(BrowserLockWin32, FirefoxRunsWhileItsParentLockIsHeldAndALeftOverLockIsStale) {
  WinTempDir dir;
  auto files = win32::makeFiles();
  const BrowserProfile firefox = profileAt(BrowserFamily::Firefox, "Firefox", dir / "abc.default-release");
  const std::string lock = firefox.folder + "\\parent.lock";
  ASSERT_TRUE(makeFile(lock, ""));
  EXPECT_FALSE(profileInUse(*files, firefox)) << "left behind by a crash";
  win32::UniqueHandle held = holdWithoutSharing(lock);
  ASSERT_TRUE(held);
  EXPECT_TRUE(profileInUse(*files, firefox));
  EXPECT_EQ(analyzeItem(*files, noPrograms, firefox, BrowserItem::History, KeptSites{}).found,
            "in use: Firefox is running");
}

}  // namespace
}  // namespace vellox::test
