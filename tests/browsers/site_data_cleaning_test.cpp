#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include "browsers/browser_discovery.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_system_folders.h"
#include "store_fixture.h"

namespace vellox::test {
namespace {

struct SiteDataCase {
  const char* profileFolder;             // below the temporary folder; holds the files below
  std::vector<std::string> setUp;        // profile files, each written holding a marker
  std::vector<const char*> keptSites;
  std::set<std::string> left;            // the files still there after Clean
  const char* found;                     // Analyze's text
};

const char* const kChromeProfile = "local/Google/Chrome/User Data/Default";
const char* const kFirefoxProfile = "roaming/Mozilla/Firefox/Profiles/a.default";
const std::vector<std::string> kChromeFiles = {
    "IndexedDB/https_kept.example_0.indexeddb.leveldb/000003.log", "IndexedDB/https_www.gone.example_0.indexeddb.leveldb/000003.log",
    "IndexedDB/chrome-extension_abcdef_0.indexeddb.leveldb/LOG", "databases/Databases.db",
    "Local Storage/leveldb/000003.log", "Session Storage/000003.log", "Service Worker/Database/000003.log",
    "Network/TransportSecurity", "Network/Network Persistent State", "Network/Reporting and NEL", "DIPS"};
const std::vector<std::string> kFirefoxFiles = {
    "storage/default/https+++kept.example/ls/data.sqlite", "storage/default/https+++gone.example+8443/ls/data.sqlite",
    "storage/default/https+++gone.example^userContextId=1/idb/1.sqlite", "storage/default/moz-extension+++a-b/idb/x",
    "webappsstore.sqlite", "SiteSecurityServiceState.bin", "AlternateServices.bin",
    "bounce-tracking-protection.sqlite"};

const SiteDataCase kCases[] = {
    {kChromeProfile, kChromeFiles, {"kept.example"},
     {"IndexedDB/https_kept.example_0.indexeddb.leveldb/000003.log",
      "IndexedDB/chrome-extension_abcdef_0.indexeddb.leveldb/LOG", "databases/Databases.db",
      "Local Storage/leveldb/000003.log", "Session Storage/000003.log", "Service Worker/Database/000003.log"},
     "1 KB in 5 files (databases, Local Storage, Session Storage, Service Worker left whole: they mix the data of "
     "many sites, and some sites are kept)"},
    {kChromeProfile, kChromeFiles, {},
     {"IndexedDB/chrome-extension_abcdef_0.indexeddb.leveldb/LOG"}, "1 KB in 10 files"},
    {kFirefoxProfile, kFirefoxFiles, {"kept.example"},
     {"storage/default/https+++kept.example/ls/data.sqlite", "storage/default/moz-extension+++a-b/idb/x",
      "webappsstore.sqlite"},
     "1 KB in 5 files (webappsstore.sqlite left whole: it mixes the data of many sites, and some sites are kept)"},
    {kFirefoxProfile, kFirefoxFiles, {}, {"storage/default/moz-extension+++a-b/idb/x"}, "1 KB in 7 files"},
};

TEST(BrowserCleaning, SiteDataGoesExceptWhatKeptSitesOwnAndStoresThatMixSitesWhileSomeAreKept) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.profileFolder) + (c.keptSites.empty() ? " keeping nothing" : " keeping a site"));
    TempDir dir;
    auto files = posix::makeFiles();
    const std::string folder = dir / c.profileFolder;
    for (const auto& name : c.setUp) writeText(folder + "/" + name, "MARKER of " + name);
    writeText(dir / "roaming/Mozilla/Firefox/profiles.ini", "[Profile0]\nName=a\nIsRelative=1\nPath=Profiles/a.default\n");
    writeText(folder + "/Preferences", "{}");
    const auto folders = posix::makeSystemFolders({}, {});
    const auto profiles = findBrowserProfiles(*files, {dir / "local", dir / "roaming"}, ScopeRule(*folders, {}));
    ASSERT_EQ(profiles.size(), 1u);
    const KeptSites kept(std::vector<std::string>(c.keptSites.begin(), c.keptSites.end()));

    EXPECT_EQ(analyzeItem(*files, profiles[0], BrowserItem::SiteData, kept).found, c.found);
    const ItemCleaned cleaned = cleanItem(*files, profiles[0], BrowserItem::SiteData, kept);
    EXPECT_EQ(cleaned.state, StoreState::Ready);
    EXPECT_EQ(cleanedText(cleaned), c.found) << "Clean says what Analyze found";
    std::set<std::string> left = c.left;
    left.insert("Preferences");
    EXPECT_EQ(namesBelow(folder), left);
  }
}

}  // namespace
}  // namespace vellox::test
