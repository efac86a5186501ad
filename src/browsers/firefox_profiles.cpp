#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include "browsers/browser_families.h"
#include "browsers/ini_reader.h"

namespace vellox {

namespace {

constexpr std::size_t kProfilesIniLimit = 1u << 20;

const char* const kCaches[] = {"cache2", "startupCache", "thumbnails", "jumpListCache", "OfflineCache"};
// A database's companions, which go with it when the file is deleted.
const char* const kCompanions[] = {"", "-journal", "-wal", "-shm"};
// Site data kept per origin: each child folder ("https+++example.com") is one site's.
const char* const kOriginStores[] = {"storage\\default", "storage\\temporary"};
// Site data of all sites mixed in one store.
const char* const kSharedDatabases[] = {"webappsstore.sqlite", "storage\\ls-archive.sqlite"};
// What the network learned of the sites: security policies, alternative services, bounce tracking.
const char* const kNetworkFiles[] = {"SiteSecurityServiceState.bin", "SiteSecurityServiceState.txt",
                                     "AlternateServices.bin", "AlternateServices.txt"};
const char* const kNetworkDatabases[] = {"bounce-tracking-protection.sqlite"};

// In a folder the user chose for a profile, only what Firefox itself makes there is taken,
// by its names and places, never a user's folder that happens to share a cache's name.
const char* const kChosenFolderCacheFolders[] = {"cache2\\entries", "cache2\\doomed"};
const char* const kChosenFolderCacheFiles[] = {"cache2\\index", "cache2\\index.log", "startupCache\\startupCache.4.little",
                                               "startupCache\\scriptCache.bin", "startupCache\\scriptCache-child.bin",
                                               "startupCache\\urlCache.bin", "startupCache\\urlCache-child.bin"};
const char* const kChosenFolderSessionFiles[] = {"sessionstore-backups\\recovery.jsonlz4",
                                                 "sessionstore-backups\\recovery.baklz4",
                                                 "sessionstore-backups\\previous.jsonlz4"};

struct ProfilePlace {
  std::string folder;
  std::string local;    // where its cache is
  bool chosen = false;  // a folder the user named (IsRelative=0), which may hold the user's own
  bool moved = false;   // a link on its way was followed
  std::string refused;  // why a link on its way is not followed
  std::string localLink;  // a link on the cache's way that the rule refuses: named, not entered
};

bool isProfileSection(const std::string& name) {
  const std::string prefix = "profile";
  return name.size() > prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), name.begin(),
                    [](char p, unsigned char c) { return p == std::tolower(c); });
}

std::vector<std::string> namesOf(const std::string& path) {
  std::vector<std::string> names(1);
  for (char c : path) {
    if (c == '/' || c == '\\') names.emplace_back();
    else names.back() += c;
  }
  return names;
}

// IsRelative=0 names a folder anywhere, even on another drive, which then holds its own
// cache. Otherwise the path runs below the browser's folders, and may not climb out of them.
// Links are followed to the profile, at each level, as Firefox follows them.
std::optional<ProfilePlace> placeOf(ProfileProbe& probe, const FirefoxBrowser& browser, const FollowedFolder& local,
                                    const IniSection& section) {
  const std::string* path = section.value("Path");
  if (!path || path->empty()) return std::nullopt;
  const std::string* relative = section.value("IsRelative");
  if (relative && *relative == "0") {
    std::string folder = probe.withSeparators(*path);
    while (folder.size() > 3 && folder.back() == probe.files().separator()) folder.pop_back();
    if (!probe.files().literalPath(folder)) return std::nullopt;
    const FollowedFolder place = probe.follow(folder);
    return ProfilePlace{place.path, place.path, true, place.moved, place.refused};
  }
  const auto names = namesOf(*path);
  if (!std::all_of(names.begin(), names.end(), [](const std::string& n) { return isPlainName(n); }))
    return std::nullopt;
  const FollowedFolder place = probe.followBelow({browser.roaming, false, ""}, *path);
  // The cache's place is followed too; a refused one leaves the cache out, and is named.
  const FollowedFolder cache = probe.followBelow(local, *path);
  const bool refused = !cache.refused.empty();
  return ProfilePlace{place.path, refused ? "" : cache.path, false, place.moved, place.refused,
                      refused ? cache.path : ""};
}

std::string shownName(const IniSection& section, const std::string& folder, char separator) {
  const std::string* name = section.value("Name");
  if (name && !name->empty()) return *name;
  return folder.substr(folder.find_last_of(separator) + 1);
}

void findSiteData(ProfileProbe& probe, const std::string& folder, ItemPaths& site) {
  probe.addFoldersTo(site, site.originFolders, folder, kOriginStores);
  for (const char* name : kSharedDatabases)
    for (const char* companion : kCompanions) probe.addFile(site, folder, std::string(name) + companion);
  site.sharedFiles = std::move(site.files);
  site.files.clear();
  for (const char* name : kNetworkFiles) probe.addFile(site, folder, name);
  for (const char* name : kNetworkDatabases)
    for (const char* companion : kCompanions) probe.addFile(site, folder, std::string(name) + companion);
}

void findItems(ProfileProbe& probe, const ProfilePlace& place, BrowserProfile& p) {
  probe.addDatabase(p.cookies, place.folder, "cookies.sqlite");
  probe.addDatabase(p.history, place.folder, "places.sqlite");
  probe.addDatabase(p.history, place.folder, "favicons.sqlite");
  findSiteData(probe, place.folder, p.siteData);
  probe.addFile(p.session, place.folder, "sessionstore.jsonlz4");
  if (place.chosen) {
    for (const char* name : kChosenFolderCacheFolders) probe.addFolder(p.cache, place.local, name);
    for (const char* name : kChosenFolderCacheFiles) probe.addFile(p.cache, place.local, name);
    for (const char* name : kChosenFolderSessionFiles) probe.addFile(p.session, place.folder, name);
    return;
  }
  if (probe.isFolder(place.local))
    for (const char* name : kCaches) probe.addFolder(p.cache, place.local, name);
  probe.addFolder(p.session, place.folder, "sessionstore-backups");
}

}  // namespace

void findFirefoxProfiles(ProfileProbe& probe, const FirefoxBrowser& given, std::vector<BrowserProfile>& found) {
  const FollowedFolder data = probe.follow(given.roaming);
  if (!data.refused.empty()) return addRefusedDataFolder(found, BrowserFamily::Firefox, given.name, "default", data);
  const FollowedFolder local = probe.follow(given.local);
  const FirefoxBrowser browser{given.name, data.path, local.path};
  if (!probe.isFolder(browser.roaming)) return;
  std::string text;
  if (!probe.files().readFile(probe.child(browser.roaming, "profiles.ini"), text, kProfilesIniLimit).ok()) return;
  for (const IniSection& section : parseIni(text)) {
    if (!isProfileSection(section.name)) continue;
    const auto place = placeOf(probe, browser, local, section);
    if (!place || (place->refused.empty() && !probe.isFolder(place->folder))) continue;  // unusable, or gone
    BrowserProfile p{BrowserFamily::Firefox, browser.name,
                     shownName(section, place->folder, probe.files().separator()), place->folder};
    p.dataFolder = browser.roaming;
    p.moved = data.moved || place->moved;
    if (!place->refused.empty()) p.refused = place->refused;
    else findItems(probe, *place, p);
    if (p.refused.empty() && !place->localLink.empty()) probe.nameLink(p.cache, place->localLink);
    found.push_back(std::move(p));
  }
}

}  // namespace vellox
