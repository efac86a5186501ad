#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include "browser_schemas.h"
#include "browsers/browser_cleaning.h"
#include "browsers/store_access.h"
#include "platform/posix/posix_files.h"
#include "store_fixture.h"

namespace vellox::test {
namespace {

struct Family {
  BrowserFamily family;
  const char* browser;
  const char* store;  // below the profile folder
  const char* schema;
  const char* table;
  const char* host;
};

const Family kFamilies[] = {
    {BrowserFamily::Chromium, "Chrome", "Network/Cookies", kChromiumCookiesSchema, "cookies", "host_key"},
    {BrowserFamily::Firefox, "Firefox", "cookies.sqlite", kFirefoxCookiesSchema, "moz_cookies", "host"},
};

std::string cookieRow(const Family& f, const std::string& host, const std::string& name, const std::string& value) {
  if (f.family == BrowserFamily::Firefox)
    return "INSERT INTO moz_cookies(name, value, host, path) VALUES('" + name + "','" + value + "','" + host + "','/');";
  // The value a Chromium browser encrypts is only ever moved as the row's bytes.
  return "INSERT INTO cookies VALUES(13300000000000000,'" + host + "','','" + name + "','" + value + "',X'7631305f" +
         std::string(32, 'a') + "','/',0,1,1,0,1,1,1,0,2,443,0,0,0);";
}

// A profile of one family with one cookie store holding these cookies.
BrowserProfile cookieProfile(const TempDir& dir, const Family& f, const std::string& folder, const std::string& rows) {
  BrowserProfile p = profileAt(f.family, f.browser, dir / folder);
  const std::string store = p.folder + "/" + f.store;
  makeDatabase(store, f.schema, rows);
  p.cookies.databases.push_back(store);
  return p;
}

std::string someCookies(const Family& f) {
  return cookieRow(f, ".example.com", "a", "keep-cookie-a") + cookieRow(f, "www.Example.com", "b", "keep-cookie-b") +
         cookieRow(f, "badexample.com", "c", "gone-cookie-c-5d1e") + cookieRow(f, ".tracker.net", "d", "gone-cookie-d") +
         cookieRow(f, ".tracker.net", "e", "gone-cookie-e");
}

TEST(BrowserCleaning, CookiesOfKeptSitesStayAndNoDeletedValueRemainsInTheStoreFiles) {
  const KeptSites kept({" example.COM "});
  for (const Family& f : kFamilies) {
    SCOPED_TRACE(f.browser);
    TempDir dir;
    auto files = posix::makeFiles();
    const BrowserProfile p = cookieProfile(dir, f, "Default", someCookies(f));
    const std::string store = p.cookies.databases[0];
    const std::string keptRows = std::string("SELECT ") + f.host + " || '|' || name || '|' || value" +
                                 (f.family == BrowserFamily::Chromium ? " || '|' || hex(encrypted_value)" : "") +
                                 " FROM " + f.table + " WHERE value LIKE 'keep%'";
    const auto keptBefore = rowsOf(store, keptRows);

    EXPECT_EQ(analyzeItem(*files, p, BrowserItem::Cookies, kept).found, "5 cookies from 4 sites (1 kept)");
    const ItemCleaned cleaned = cleanItem(*files, p, BrowserItem::Cookies, kept);
    EXPECT_EQ(cleaned.state, StoreState::Ready) << cleaned.reason;
    EXPECT_EQ(cleaned.cleaned, "3 cookies");

    EXPECT_EQ(rowsOf(store, std::string("SELECT value FROM ") + f.table),
              (std::multiset<std::string>{"keep-cookie-a", "keep-cookie-b"}));
    EXPECT_EQ(rowsOf(store, keptRows), keptBefore);
    EXPECT_EQ(integrityOf(store), "ok");
    const std::string bytes = storeBytes(store);
    EXPECT_NE(bytes.find("keep-cookie-a"), std::string::npos);
    EXPECT_EQ(bytes.find("gone-cookie"), std::string::npos);
    EXPECT_EQ(bytes.find("tracker.net"), std::string::npos);
    EXPECT_EQ(analyzeItem(*files, p, BrowserItem::Cookies, kept).found, "2 cookies from 2 sites (1 kept)");
  }
}

TEST(BrowserCleaning, StoresThatHoldNothingOrAreNoDatabaseAreToldAndLeftAsTheyWere) {
  const struct {
    const char* what;
    std::string contents;  // the store's bytes; empty: a database without the cookie table
    StoreState state;
    const char* found;
    const char* cleaned;
  } cases[] = {
      {"no cookie table", "", StoreState::Ready, "nothing", ""},
      {"not a database", std::string(2048, 'x'), StoreState::Unreadable, "unreadable: not a database", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    auto files = posix::makeFiles();
    BrowserProfile p = profileAt(BrowserFamily::Chromium, "Edge", dir / "Default");
    const std::string store = p.folder + "/Cookies";
    if (c.contents.empty()) makeDatabase(store, "CREATE TABLE meta(key TEXT, value TEXT)", "");
    else writeText(store, c.contents);
    p.cookies.databases.push_back(store);
    const std::string before = readText(store);

    const ItemFindings found = analyzeItem(*files, p, BrowserItem::Cookies, KeptSites{});
    EXPECT_EQ(found.state, c.state);
    EXPECT_EQ(found.found, c.found);
    const ItemCleaned cleaned = cleanItem(*files, p, BrowserItem::Cookies, KeptSites{});
    EXPECT_EQ(cleaned.state, c.state);
    EXPECT_EQ(cleaned.cleaned, c.cleaned);
    if (c.state == StoreState::Unreadable) {
      EXPECT_EQ(cleaned.reason, "not a database");
      EXPECT_EQ(readText(store), before);
    }
  }
}

// A reader that holds its snapshot (a browser starting) keeps the write-ahead log from being emptied.
TEST(BrowserCleaning, ACompactionThatFailsKeepsTheCountAndSaysTheRowsWereDeleted) {
  TempDir dir;
  auto files = posix::makeFiles();
  const BrowserProfile p = cookieProfile(dir, kFamilies[1], "firefox", someCookies(kFamilies[1]));
  const std::string store = p.cookies.databases[0];
  sqlite::Database reader;
  ASSERT_TRUE(reader.open(store, sqlite::OpenMode::ReadWrite).ok());
  ASSERT_TRUE(reader.execute("PRAGMA journal_mode=WAL; BEGIN; SELECT count(*) FROM moz_cookies").ok());
  const ItemCleaned cleaned = cleanItem(*files, p, BrowserItem::Cookies, KeptSites{});
  EXPECT_EQ(cleaned.state, StoreState::Ready);
  EXPECT_EQ(cleanedText(cleaned), std::string("5 cookies (") + kNotCompacted + ")");
  reader.close();
  EXPECT_EQ(rowsOf(store, "SELECT count(*) FROM moz_cookies"), std::multiset<std::string>{"0"});
}

TEST(BrowserCleaning, CookieSitesListsEverySiteOfEveryReadableStoreOnce) {
  TempDir dir;
  auto files = posix::makeFiles();
  std::vector<BrowserProfile> profiles = {
      cookieProfile(dir, kFamilies[0], "chrome", someCookies(kFamilies[0])),
      cookieProfile(dir, kFamilies[1], "firefox",
                    cookieRow(kFamilies[1], ".Tracker.NET", "x", "v") + cookieRow(kFamilies[1], "shop.org", "y", "v")),
  };
  BrowserProfile broken = profileAt(BrowserFamily::Chromium, "Brave", dir / "brave");
  writeText(broken.folder + "/Cookies", std::string(1024, 'z'));
  broken.cookies.databases.push_back(broken.folder + "/Cookies");
  profiles.push_back(broken);
  EXPECT_EQ(cookieSites(*files, profiles),
            (std::vector<std::string>{"badexample.com", "example.com", "shop.org", "tracker.net", "www.example.com"}));
}

}  // namespace
}  // namespace vellox::test
