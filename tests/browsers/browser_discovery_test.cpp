#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>
#include "browsers/browser_discovery.h"
#include "fakes/fake_files.h"
#include "fakes/fake_system_folders.h"
#include "store_fixture.h"

namespace vellox::test {
namespace {

using Paths = std::vector<std::string>;

const std::string kLocal = "C:\\Users\\me\\AppData\\Local";
const std::string kRoaming = "C:\\Users\\me\\AppData\\Roaming";
const std::string kChrome = kLocal + "\\Google\\Chrome\\User Data";
const std::string kFirefox = kRoaming + "\\Mozilla\\Firefox";

struct Shown {
  std::string browser, profile, folder;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << s.browser << " / " << s.profile << " / " << s.folder;
}

// What discovery finds under the fake system folders' scope rule, links leading where `links` says.
std::vector<BrowserProfile> findBrowserProfiles(FakeFiles& files, const AppDataFolders& appData,
                                                const std::map<std::string, std::string>& links = {}) {
  FakeSystemFolders folders(files);
  folders.links = links;
  return vellox::findBrowserProfiles(files, appData, ScopeRule(folders, {}));
}

std::vector<Shown> shown(FakeFiles& files) {
  std::vector<Shown> rows;
  for (const auto& p : findBrowserProfiles(files, {kLocal, kRoaming})) rows.push_back({p.browser, p.profile, p.folder});
  return rows;
}

BrowserProfile only(const std::vector<BrowserProfile>& found) {
  EXPECT_EQ(found.size(), 1u);
  return found.empty() ? BrowserProfile{} : found[0];
}

TEST(BrowserDiscovery, ChromiumProfilesFollowLocalStateWithTheirNamesThenTheUnlistedProfileFolders) {
  FakeFiles files;
  files.addFile(kChrome + "\\Local State",
                R"({"browser":{"x":[1,2.5e3,true,null]},"profile":{"info_cache":{)"
                R"("Profile 2":{"name":"Work","avatar":"\u00c4rger"},)"
                R"("Default":{"name":"Person 1"},)"
                R"("Profile 7":{"name":"Gone"},)"
                R"("..\\Evil":{"name":"Out"},)"
                R"("Profile 4":{"name":"\ud83d\ude00 Fun \"q\""},)"
                R"("Profile 5":{}}}})");
  for (const char* dir : {"Default", "Profile 2", "Profile 3", "Profile 4", "Profile 5", "Profile 11", "Extensions"})
    files.addFolder(kChrome + "\\" + dir);
  files.addFolder(kLocal + "\\Google\\Evil");
  EXPECT_EQ(shown(files), (std::vector<Shown>{
                              {"Chrome", "Work", kChrome + "\\Profile 2"},
                              {"Chrome", "Person 1", kChrome + "\\Default"},
                              {"Chrome", "\xF0\x9F\x98\x80 Fun \"q\"", kChrome + "\\Profile 4"},
                              {"Chrome", "Profile 5", kChrome + "\\Profile 5"},
                              {"Chrome", "Profile 3", kChrome + "\\Profile 3"},
                              {"Chrome", "Profile 11", kChrome + "\\Profile 11"},
                          }));
}

TEST(BrowserDiscovery, WithoutAReadableLocalStateTheProfileFoldersAreTheProfilesByNumber) {
  const std::string tooDeep = std::string(100, '[') + std::string(100, ']');
  const struct {
    const char* why;
    const char* localState;  // nullptr: none
  } cases[] = {
      {"missing", nullptr},
      {"not JSON", "\x01\x02SQLite format 3"},
      {"cut short", R"({"profile":{"info_cache":{"Profile 1":{"name":"Work"})"},
      {"trailing text", R"({"profile":{"info_cache":{"Profile 1":{"name":"Work"}}}} x)"},
      {"bad escape", R"({"profile":{"info_cache":{"Profile 1":{"name":"W\q"}}}})"},
      {"no profiles", R"({"profile":{"last_used":"Default"}})"},
      {"nested too deep", tooDeep.c_str()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    FakeFiles files;
    if (c.localState) files.addFile(kChrome + "\\Local State", std::string(c.localState));
    for (const char* dir : {"Profile 10", "Profile 2", "Default", "Profile 1", "Profile x", "System Profile"})
      files.addFolder(kChrome + "\\" + dir);
    std::vector<std::string> names;
    for (const auto& row : shown(files)) names.push_back(row.profile);
    EXPECT_EQ(names, (std::vector<std::string>{"Default", "Profile 1", "Profile 2", "Profile 10"}));
  }
}

TEST(BrowserDiscovery, AChromiumProfileNamesTheItemsItHasAndOnlyThose) {
  FakeFiles files;
  const std::string p = kLocal + "\\Microsoft\\Edge\\User Data\\Default";
  const std::string top = kLocal + "\\Microsoft\\Edge\\User Data";
  for (const char* f : {"Network\\Cookies", "Cookies", "Extension Cookies", "History", "History-journal",
                        "Visited Links", "Top Sites", "Top Sites-journal", "Shortcuts", "Network Action Predictor",
                        "History Provider Cache", "Current Session", "Last Tabs", "Bookmarks", "Login Data"})
    files.addFile(p + "\\" + f, "x");
  for (const char* d : {"Cache\\Cache_Data", "Code Cache", "GPUCache", "Sessions", "Extensions"})
    files.addFolder(p + "\\" + d);
  files.node(p + "\\Cookies").link = true;  // a database behind a link is never opened
  files.addFolder(p + "\\Media Cache");
  files.node(p + "\\Media Cache").link = true;  // a junction: named, never listed
  files.addFolder(top + "\\ShaderCache");
  files.addFolder(top + "\\GrShaderCache");
  files.addFolder(top + "\\Profile 1\\Cache");

  const auto found = findBrowserProfiles(files, {kLocal, kRoaming});
  ASSERT_EQ(found.size(), 2u);
  const BrowserProfile& edge = found[0];
  EXPECT_EQ(edge.family, BrowserFamily::Chromium);
  EXPECT_EQ(edge.cookies.databases, (Paths{p + "\\Network\\Cookies", p + "\\Extension Cookies"}));
  EXPECT_EQ(edge.history.databases, Paths{p + "\\History"});
  EXPECT_EQ(edge.history.files, (Paths{p + "\\Visited Links", p + "\\Top Sites", p + "\\Top Sites-journal",
                                       p + "\\Shortcuts", p + "\\Network Action Predictor",
                                       p + "\\History Provider Cache"}));
  EXPECT_EQ(edge.cache.folders, (Paths{p + "\\Cache", p + "\\Code Cache", p + "\\GPUCache", top + "\\ShaderCache",
                                       top + "\\GrShaderCache"}));
  ASSERT_EQ(edge.cache.linkedFolders.size(), 1u);
  EXPECT_EQ(edge.cache.linkedFolders[0].first, p + "\\Media Cache");
  EXPECT_EQ(edge.session.folders, Paths{p + "\\Sessions"});
  EXPECT_EQ(edge.session.files, (Paths{p + "\\Current Session", p + "\\Last Tabs"}));
  EXPECT_TRUE(edge.cookies.files.empty() && edge.cookies.folders.empty());
  EXPECT_TRUE(edge.history.folders.empty() && edge.cache.databases.empty() && edge.cache.files.empty());

  const BrowserProfile& second = found[1];  // the browser's shared caches are counted with the first only
  EXPECT_EQ(second.cache.folders, Paths{top + "\\Profile 1\\Cache"});
  for (BrowserItem item : {BrowserItem::Cookies, BrowserItem::History, BrowserItem::Session})
    EXPECT_TRUE(second.item(item).empty()) << itemName(item);
}

TEST(BrowserDiscovery, OperaKeepsItsProfileInTheRoamingFolderAndItsCacheInTheLocalOne) {
  FakeFiles files;
  const std::string roaming = kRoaming + "\\Opera Software\\Opera GX Stable";
  const std::string local = kLocal + "\\Opera Software\\Opera GX Stable";
  files.addFile(roaming + "\\Network\\Cookies", "x");
  files.addFile(roaming + "\\History", "x");
  files.addFolder(roaming + "\\GPUCache");
  files.addFolder(local + "\\Cache\\Cache_Data");
  files.addFolder(local + "\\Code Cache");
  files.addFolder(local + "\\ShaderCache");

  const BrowserProfile opera = only(findBrowserProfiles(files, {kLocal, kRoaming}));
  EXPECT_EQ(opera.browser, "Opera GX");
  EXPECT_EQ(opera.profile, "Default");
  EXPECT_EQ(opera.folder, roaming);
  EXPECT_EQ(opera.cookies.databases, Paths{roaming + "\\Network\\Cookies"});
  EXPECT_EQ(opera.cache.folders,
            (Paths{roaming + "\\GPUCache", local + "\\Cache", local + "\\Code Cache", local + "\\ShaderCache"}));
}

TEST(BrowserDiscovery, FirefoxProfilesFollowProfilesIniRelativeOrOnAnotherDrive) {
  FakeFiles files;
  files.addFile(kFirefox + "\\profiles.ini",
                "\xEF\xBB\xBF[Install308046B0AF4A39CB]\r\nDefault=Profiles/abc.default-release\r\n\r\n"
                "[Profile1]\r\nName=default-release\r\nIsRelative=1\r\nPath=Profiles/abc.default-release\r\n\r\n"
                "; moved by the user\n[Profile0]\nName=Elsewhere\nIsRelative=0\nPath=D:\\Mozilla\\other\\\n\n"
                "[Profile2]\nName=stale\nIsRelative=1\nPath=Profiles/gone.default\n\n"
                "[Profile3]\nName=climbs\nIsRelative=1\nPath=Profiles/../../Outside\n\n"
                "[Profile4]\nName=not absolute\nIsRelative=0\nPath=Mozilla\\other\n\n"
                "[Profile5]\nIsRelative=1\nPath=Profiles/xyz.unnamed\n\n"
                "[General]\nStartWithLastProfile=1\nVersion=2\n");
  const std::string rel = kFirefox + "\\Profiles\\abc.default-release";
  const std::string relCache = kLocal + "\\Mozilla\\Firefox\\Profiles\\abc.default-release";
  const std::string abs = "D:\\Mozilla\\other";
  for (const std::string& folder : {rel, abs}) {
    files.addFile(folder + "\\cookies.sqlite", "x");
    files.addFile(folder + "\\places.sqlite", "x");
    files.addFile(folder + "\\sessionstore.jsonlz4", "x");
    files.addFolder(folder + "\\sessionstore-backups");
  }
  for (const char* d : {"cache2\\entries", "startupCache", "thumbnails", "jumpListCache"}) {
    files.addFolder(relCache + "\\" + d);
    files.addFolder(abs + "\\" + d);
  }
  files.addFolder(kRoaming + "\\Outside");
  files.addFolder(kFirefox + "\\Profiles\\xyz.unnamed");

  const auto found = findBrowserProfiles(files, {kLocal, kRoaming});
  std::vector<Shown> rows;
  for (const auto& p : found) rows.push_back({p.browser, p.profile, p.folder});
  EXPECT_EQ(rows, (std::vector<Shown>{{"Firefox", "default-release", rel},
                                      {"Firefox", "Elsewhere", abs},
                                      {"Firefox", "xyz.unnamed", kFirefox + "\\Profiles\\xyz.unnamed"}}));
  ASSERT_EQ(found.size(), 3u);
  for (std::size_t i = 0; i < 2; ++i) {
    const auto& p = found[i];
    const std::string cache = i == 0 ? relCache : abs;
    EXPECT_EQ(p.family, BrowserFamily::Firefox);
    EXPECT_EQ(p.cookies.databases, Paths{p.folder + "\\cookies.sqlite"});
    EXPECT_EQ(p.history.databases, Paths{p.folder + "\\places.sqlite"});
    EXPECT_EQ(p.session.files, Paths{p.folder + "\\sessionstore.jsonlz4"});
    if (i == 1) {  // a folder the user chose: only what Firefox made there, never the user's "thumbnails"
      EXPECT_EQ(p.cache.folders, Paths{cache + "\\cache2\\entries"});
      EXPECT_EQ(p.session.folders, Paths{});
      continue;
    }
    EXPECT_EQ(p.cache.folders, (Paths{cache + "\\cache2", cache + "\\startupCache", cache + "\\thumbnails",
                                      cache + "\\jumpListCache"}));
    EXPECT_EQ(p.session.folders, Paths{p.folder + "\\sessionstore-backups"});
  }
}

// A linked data or profile folder that leads where nothing may be cleared is listed, refused, with the reason.
TEST(BrowserDiscovery, AbsentBrowsersAndMissingSystemFoldersGiveNoProfilesAndLinkedFoldersAreRefused) {
  const struct {
    const char* why;
    void (*build)(FakeFiles&);
    AppDataFolders appData;
    std::map<std::string, std::string> links = {};
    std::string refused = {};  // empty: nothing is listed
  } cases[] = {
      {"nothing installed", [](FakeFiles& f) { f.addFolder(kLocal + "\\Temp"); }, {kLocal, kRoaming}},
      {"a user-data folder that is a link to a drive's root",
       [](FakeFiles& f) {
         f.addFolder(kChrome + "\\Default");
         f.node(kChrome).link = true;
         f.addFolder("D:\\Default");
       },
       {kLocal, kRoaming}, {{kChrome, "D:"}}, "its folder is a link to D:\\, which is the root of a drive"},
      {"a profile folder that is a link to the Documents",
       [](FakeFiles& f) {
         f.addFolder(kChrome + "\\Default");
         f.node(kChrome + "\\Default").link = true;
         f.addFolder("C:\\Users\\me\\Documents\\Cache");
       },
       {kLocal, kRoaming}, {{kChrome + "\\Default", "C:\\Users\\me\\Documents"}},
       "its folder is a link to C:\\Users\\me\\Documents, which is your Documents folder"},
      {"profiles.ini missing", [](FakeFiles& f) { f.addFolder(kFirefox + "\\Profiles\\a.default"); },
       {kLocal, kRoaming}},
      {"profiles.ini a link",
       [](FakeFiles& f) {
         f.addFolder(kFirefox + "\\Profiles\\a.default");
         f.addFile(kFirefox + "\\profiles.ini", "[Profile0]\nPath=Profiles/a.default\n").link = true;
       },
       {kLocal, kRoaming}},
      {"no app-data folders from the system",
       [](FakeFiles& f) {
         f.addFolder("C:\\Google\\Chrome\\User Data\\Default");
         f.addFile("C:\\Mozilla\\Firefox\\profiles.ini", "[Profile0]\nPath=Profiles/a\n");
         f.addFolder("C:\\Mozilla\\Firefox\\Profiles\\a");
       },
       {"", ""}},
  };
  for (const auto& c : cases) {
    FakeFiles files;
    c.build(files);
    const auto found = findBrowserProfiles(files, c.appData, c.links);
    ASSERT_EQ(found.size(), c.refused.empty() ? 0u : 1u) << c.why;
    if (c.refused.empty()) continue;
    EXPECT_TRUE(found[0].cookies.empty() && found[0].siteData.empty() && found[0].cache.empty()) << c.why;
    EXPECT_EQ(analyzeItem(files, found[0], BrowserItem::Cookies, KeptSites{}).found, "not cleaned: " + c.refused);
  }
}

}  // namespace
}  // namespace vellox::test
