// Profiles as discovery finds them on a real disk, then cleaned: their site data, and folders moved by links.
#include <gmock/gmock.h>
#include <filesystem>
#include "browsers/browser_discovery.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_system_folders.h"
#include "store_fixture.h"

namespace fs = std::filesystem;

namespace vellox::test {
namespace {

struct SiteDataCase {
  const char* profileFolder;  // below the temporary folder; holds the files below, each holding a marker
  std::vector<std::string> stays, staysWhileKept, goes;  // kept: kept.example; keeping nothing, only `stays` stays
  const char *foundWhileKept, *foundKeepingNothing;      // Analyze's text
};

const SiteDataCase kCases[] = {
    {"local/Google/Chrome/User Data/Default",
     {"Preferences", "IndexedDB/chrome-extension_abcdef_0.indexeddb.leveldb/LOG"},
     {"IndexedDB/https_kept.example_0.indexeddb.leveldb/000003.log", "databases/Databases.db",
      "Local Storage/leveldb/000003.log", "Session Storage/000003.log", "Service Worker/Database/000003.log"},
     {"IndexedDB/https_www.gone.example_0.indexeddb.leveldb/000003.log", "Network/TransportSecurity",
      "Network/Network Persistent State", "Network/Reporting and NEL", "DIPS"},
     "1 KB in 5 files (databases, Local Storage, Session Storage, Service Worker left whole: they mix the data of "
     "many sites, and some sites are kept)",
     "1 KB in 10 files"},
    {"roaming/Mozilla/Firefox/Profiles/a.default",
     {"storage/default/moz-extension+++a-b/idb/x"},
     {"storage/default/https+++kept.example/ls/data.sqlite", "webappsstore.sqlite"},
     {"storage/default/https+++gone.example+8443/ls/data.sqlite",
      "storage/default/https+++gone.example^userContextId=1/idb/1.sqlite", "SiteSecurityServiceState.bin",
      "AlternateServices.bin", "bounce-tracking-protection.sqlite"},
     "1 KB in 5 files (webappsstore.sqlite left whole: it mixes the data of many sites, and some sites are kept)",
     "1 KB in 7 files"},
};

TEST(BrowserCleaning, SiteDataGoesExceptWhatKeptSitesOwnAndStoresThatMixSitesWhileSomeAreKept) {
  for (const auto& c : kCases) {
    for (bool keeping : {true, false}) {
      SCOPED_TRACE(std::string(c.profileFolder) + (keeping ? " keeping a site" : " keeping nothing"));
      TempDir dir;
      auto files = posix::makeFiles();
      const std::string folder = dir / c.profileFolder;
      for (const auto* names : {&c.stays, &c.staysWhileKept, &c.goes})
        for (const auto& name : *names) writeText(folder + "/" + name, "MARKER of " + name);
      writeText(dir / "roaming/Mozilla/Firefox/profiles.ini", "[Profile0]\nName=a\nPath=Profiles/a.default\n");
      const auto folders = posix::makeSystemFolders({{SystemFolderKind::UserFolder, "Mine", dir / "mine"}}, {});
      const auto profiles = findBrowserProfiles(*files, {dir / "local", dir / "roaming"}, ScopeRule(*folders, {}));
      ASSERT_EQ(profiles.size(), 1u);
      const KeptSites kept(keeping ? std::vector<std::string>{"kept.example"} : std::vector<std::string>{});
      const std::string found = keeping ? c.foundWhileKept : c.foundKeepingNothing;

      EXPECT_EQ(analyzeItem(*files, profiles[0], BrowserItem::SiteData, kept).found, found);
      const ItemCleaned cleaned = cleanItem(*files, profiles[0], BrowserItem::SiteData, kept);
      EXPECT_EQ(cleaned.state, StoreState::Ready);
      EXPECT_EQ(cleanedText(cleaned), found) << "Clean says what Analyze found";
      std::set<std::string> left(c.stays.begin(), c.stays.end());
      if (keeping) left.insert(c.staysWhileKept.begin(), c.staysWhileKept.end());
      EXPECT_EQ(namesBelow(folder), left);
    }
  }
}

const std::string kUserData = "local/Google/Chrome/User Data", kFirefox = "roaming/Mozilla/Firefox";

struct MovedCase {
  std::vector<std::string> files;                          // written below the test's folder
  std::vector<std::pair<std::string, std::string>> links;  // link, then where it leads
  std::string profile;                                     // the folder the profile is found in
  std::set<std::string> gone;                              // what Clean of Cache takes
  bool moved = true;  // else the cache's own folder is a link to the user's folder "mine", named and never entered
};

const MovedCase kMovedCases[] = {
    // Moved user data, and in it a cache link to the user's own files: only the link goes.
    {{"D/Chrome/Default/Preferences", "D/Chrome/Default/Cache/data_1", "mine/photo.jpg"},
     {{kUserData, "D/Chrome"}, {"D/Chrome/Default/Cache/album", "mine"}},
     "D/Chrome/Default", {"D/Chrome/Default/Cache/data_1", "D/Chrome/Default/Cache/album"}},
    {{"D/Default/Preferences", "D/Default/Cache/data_1", kUserData + "/Local State"},
     {{kUserData + "/Default", "D/Default"}}, "D/Default", {"D/Default/Cache/data_1"}},
    {{kFirefox + "/profiles.ini", "D/Profiles/a.default/cookies.sqlite",
      "local/Mozilla/Firefox/Profiles/a.default/cache2/1"},
     {{kFirefox + "/Profiles", "D/Profiles"}}, "D/Profiles/a.default",
     {"local/Mozilla/Firefox/Profiles/a.default/cache2/1"}},
    {{kFirefox + "/profiles.ini", kFirefox + "/Profiles/a.default/cookies.sqlite", "mine/Profiles/a.default/cache2/1"},
     {{"local/Mozilla/Firefox", "mine"}}, kFirefox + "/Profiles/a.default", {}, false},
    {{"roaming/Opera Software/Opera Stable/Preferences", "mine/Cache/data_1"},
     {{"local/Opera Software/Opera Stable", "mine"}}, "roaming/Opera Software/Opera Stable", {}, false},
};

TEST(MovedProfiles, ALinkedDataOrProfileFolderIsFollowedAndCleanedWhereTheRuleAllows) {
  for (const auto& c : kMovedCases) {
    SCOPED_TRACE(c.profile);
    TempDir dir;
    for (const auto& name : c.files) writeText(dir / name, "[Profile0]\nName=a\nPath=Profiles/a.default\n");
    for (const auto& [link, target] : c.links) {
      fs::create_directories(fs::path(dir / link).parent_path());
      fs::create_directory_symlink(dir / target, dir / link);
    }
    const std::string real = fs::canonical(dir.path()).string(), target = real + "/" + c.profile;
    const auto folders = posix::makeSystemFolders({{SystemFolderKind::UserFolder, "Mine", dir / "mine"}}, {});
    auto files = posix::makeFiles();
    const auto found = findBrowserProfiles(*files, {dir / "local", dir / "roaming"}, ScopeRule(*folders, {}));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(profileText(found[0]), found[0].profile + (c.moved ? " (moved to " + target + ")" : ""));
    if (!c.moved)
      EXPECT_THAT(analyzeItem(*files, found[0], BrowserItem::Cache, KeptSites{}).found,
                  testing::EndsWith(": a link to " + real + "/mine: not cleaned)"));
    std::set<std::string> left = namesBelow(dir.path());
    for (const auto& name : c.gone) left.erase(name);
    EXPECT_EQ(cleanItem(*files, found[0], BrowserItem::Cache, KeptSites{}).state, StoreState::Ready);
    EXPECT_EQ(namesBelow(dir.path()), left);
  }
}

}  // namespace
}  // namespace vellox::test
