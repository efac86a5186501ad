#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include "browsers/browser_families.h"
#include "browsers/json_reader.h"

namespace vellox {

namespace {

// "Local State" holds far less; a larger file is not read.
constexpr std::size_t kLocalStateLimit = 32u << 20;

const char* const kProfileCaches[] = {"Cache", "Code Cache", "GPUCache", "Media Cache", "Service Worker\\CacheStorage",
                                      "Service Worker\\ScriptCache", "DawnCache", "DawnGraphiteCache",
                                      "DawnWebGPUCache"};
// Shared by every profile of the browser.
const char* const kBrowserCaches[] = {"ShaderCache", "GrShaderCache", "GraphiteDawnCache", "component_crx_cache"};
// Site data kept per origin: each child folder is one site's.
const char* const kOriginStores[] = {"IndexedDB", "databases"};
// Site data of all sites mixed in one store.
const char* const kSharedStores[] = {"Local Storage", "Session Storage", "Service Worker", "File System", "WebStorage",
                                     "Shared Storage"};
const char* const kSharedDatabases[] = {"SharedStorage"};
// What the network learned of the sites (security policies, server hints, reports, tokens,
// bounce tracking), in the profile or its Network folder. No format of them keeps a site apart
// safely, so they go whole.
const char* const kNetworkFiles[] = {"TransportSecurity", "Network Persistent State", "Reporting and NEL",
                                     "Trust Tokens", "DIPS"};
const char* const kHistoryFiles[] = {"Visited Links", "Top Sites", "Shortcuts", "Network Action Predictor",
                                     "History Provider Cache"};
const char* const kSessionFiles[] = {"Current Session", "Current Tabs", "Last Session", "Last Tabs"};
// A database's companions, which go with it when the file is deleted.
const char* const kCompanions[] = {"", "-journal", "-wal", "-shm"};

struct Listed {
  std::string dir;   // the profile's folder inside the user-data folder; empty for the top one
  std::string name;  // shown to the user
};

bool sameAsciiName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

bool listedAlready(const std::vector<Listed>& listed, const std::string& dir) {
  return std::any_of(listed.begin(), listed.end(), [&](const Listed& l) { return sameAsciiName(l.dir, dir); });
}

// profile.info_cache: one member per profile folder, holding its display name.
void readLocalState(Files& files, const std::string& path, std::vector<Listed>& listed) {
  std::string text;
  if (!files.readFile(path, text, kLocalStateLimit).ok()) return;
  const auto state = parseJson(text);
  const JsonValue* profile = state ? state->member("profile") : nullptr;
  const JsonValue* cache = profile ? profile->member("info_cache") : nullptr;
  if (!cache) return;
  for (std::size_t i = 0; i < cache->keys.size(); ++i) {
    const std::string& dir = cache->keys[i];
    if (!isPlainName(dir) || listedAlready(listed, dir)) continue;
    const JsonValue* name = cache->items[i].member("name");
    const bool named = name && name->kind == JsonValue::Kind::String && !name->text.empty();
    listed.push_back({dir, named ? name->text : dir});
  }
}

// "Profile 12" gives 12; other names give nothing.
std::optional<unsigned long> profileNumber(const std::string& name) {
  const std::string prefix = "Profile ";
  if (name.size() <= prefix.size() || name.size() > prefix.size() + 9 || name.compare(0, prefix.size(), prefix))
    return std::nullopt;
  const std::string digits = name.substr(prefix.size());
  if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
    return std::nullopt;
  return std::stoul(digits);
}

// The folders a browser makes for its profiles, when "Local State" does not list them:
// "Default" first, then "Profile N" by number.
void addProfileFolders(ProfileProbe& probe, const std::string& userData, std::vector<Listed>& listed) {
  std::vector<std::pair<unsigned long, std::string>> folders;
  for (const auto& entry : probe.files().readFolder(userData).entries) {
    if (!entry.directory && !entry.link) continue;  // a linked profile folder is followed or refused later
    if (entry.name == "Default") folders.emplace_back(0, entry.name);
    else if (auto n = profileNumber(entry.name)) folders.emplace_back(*n + 1, entry.name);
  }
  std::sort(folders.begin(), folders.end());
  for (const auto& [order, dir] : folders)
    if (!listedAlready(listed, dir)) listed.push_back({dir, dir});
}

bool holdsProfile(ProfileProbe& probe, const std::string& folder) {
  ItemPaths marks;
  for (const char* name : {"History", "Cookies", "Network\\Cookies", "Preferences"}) probe.addDatabase(marks, folder, name);
  return !marks.empty();
}

void findSiteData(ProfileProbe& probe, const std::string& folder, ItemPaths& site) {
  probe.addFoldersTo(site, site.originFolders, folder, kOriginStores);
  probe.addFoldersTo(site, site.sharedFolders, folder, kSharedStores);
  for (const char* name : kSharedDatabases)
    for (const char* companion : kCompanions) probe.addFile(site, folder, std::string(name) + companion);
  site.sharedFiles = std::move(site.files);
  site.files.clear();
  for (const std::string where : {"", "Network\\"})
    for (const char* name : kNetworkFiles)
      for (const char* companion : kCompanions) probe.addFile(site, folder, where + name + companion);
}

// Each extension's storage keeps a GPU cache of its own: Storage\ext\<id>\def\GPUCache.
void addExtensionCaches(ProfileProbe& probe, const std::string& folder, ItemPaths& cache) {
  const std::string ext = probe.child(folder, "Storage\\ext");
  if (!probe.isFolder(ext)) return;
  for (const auto& entry : probe.files().readFolder(ext).entries)
    if (entry.directory && !entry.link && isPlainName(entry.name))
      probe.addFolder(cache, probe.child(ext, entry.name), "def\\GPUCache");
}

void findItems(ProfileProbe& probe, const ChromiumBrowser& browser, const std::string& dir, BrowserProfile& p) {
  const std::string& folder = p.folder;
  for (const char* name : {"Network\\Cookies", "Cookies", "Extension Cookies"}) probe.addDatabase(p.cookies, folder, name);
  probe.addDatabase(p.history, folder, "History");
  for (const char* name : kHistoryFiles)
    for (const char* companion : kCompanions) probe.addFile(p.history, folder, std::string(name) + companion);
  const std::string localFolder = dir.empty() || browser.localData.empty() ? browser.localData
                                                                          : probe.child(browser.localData, dir);
  for (const std::string& where : {folder, localFolder}) {
    if (probe.isFolder(where))
      for (const char* name : kProfileCaches) probe.addFolder(p.cache, where, name);
    else if (probe.isLink(where))
      probe.nameLink(p.cache, where);  // a profile's own cache folder moved by a link: named, not entered
  }
  probe.addDatabase(p.history, folder, "Favicons");
  findSiteData(probe, folder, p.siteData);
  addExtensionCaches(probe, folder, p.cache);
  probe.addFolder(p.session, folder, "Sessions");
  for (const char* name : kSessionFiles) probe.addFile(p.session, folder, name);
}

}  // namespace

void findChromiumProfiles(ProfileProbe& probe, const ChromiumBrowser& given, std::vector<BrowserProfile>& found) {
  const FollowedFolder data = probe.follow(given.userData);
  if (!data.refused.empty()) return addRefusedDataFolder(found, BrowserFamily::Chromium, given.name, "Default", data);
  ChromiumBrowser browser = given;
  browser.userData = data.path;
  // Most keep their cache in the same folder; Opera's local one is followed as it would be, and
  // where the rule refuses it, it is named in each profile's cache and nothing below it is read.
  const FollowedFolder local = given.localData == given.userData ? data : probe.follow(given.localData);
  browser.localData = local.refused.empty() ? local.path : std::string();
  if (!probe.isFolder(browser.userData)) return;
  std::vector<Listed> listed;
  if (browser.profileAtTop && holdsProfile(probe, browser.userData)) listed.push_back({"", "Default"});
  readLocalState(probe.files(), probe.child(browser.userData, "Local State"), listed);
  addProfileFolders(probe, browser.userData, listed);

  const std::size_t first = found.size();
  for (const auto& [dir, name] : listed) {
    const FollowedFolder place = dir.empty() ? data : probe.followBelow(data, dir);
    BrowserProfile p{BrowserFamily::Chromium, browser.name, name, place.path};
    p.dataFolder = browser.userData;
    p.moved = place.moved;
    if (!place.refused.empty()) p.refused = place.refused;
    else if (!probe.isFolder(p.folder)) continue;  // listed, but gone
    else findItems(probe, browser, dir, p);
    if (p.refused.empty() && !local.refused.empty()) probe.nameLink(p.cache, given.localData);
    found.push_back(std::move(p));
  }
  // The browser-wide caches go with its first profile, so that they are counted once.
  if (found.size() == first) return;
  for (const std::string& where : {browser.userData, browser.localData})
    if (probe.isFolder(where))
      for (const char* name : kBrowserCaches) probe.addFolder(found[first].cache, where, name);
}

}  // namespace vellox
