// Times Analyze and Clean of a synthetic Chromium profile and a synthetic Firefox profile
// (50,000 pages with 200,000 visits, 20,000 cookies on 2,000 sites of which 20 are kept,
// 20,000 cache files of 4 to 64 KiB each; site data of 2,000 origins with Local Storage keys,
// 500 IndexedDB origins and a Service Worker cache of 5,000 files), and in the same run the
// floor: the sqlite3 tool running the same statements on a copy of each database, and rm -rf
// of a copy of the files the clean deletes.
// Usage: vellox_browser_bench [folder] [rounds]; run it on the disk to be measured.
#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>
#include "../tests/browsers/browser_schemas.h"
#include "browsers/browser_cleaning.h"
#include "browsers/sqlite/database.h"
#include "browsers/sqlite/statement.h"
#include "platform/posix/posix_files.h"

namespace {

namespace fs = std::filesystem;
using namespace vellox;

constexpr int kPages = 50'000, kVisits = 200'000, kSites = 2'000, kCookiesPerSite = 10, kKeptSites = 20;
constexpr int kCacheFiles = 20'000;
constexpr int kStorageOrigins = 2'000, kIndexedOrigins = 500, kWorkerCacheFiles = 5'000;

std::string siteName(int i) { return "site" + std::to_string(i) + ".example"; }

bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

double seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Runs `sql` once per row, binding the row number as ?1.
void fill(sqlite::Database& db, const std::string& sql, int rows) {
  sqlite::Statement insert;
  if (!db.prepare(sql, insert).ok()) std::fprintf(stderr, "cannot prepare: %s\n", sql.c_str()), std::exit(1);
  for (int i = 0; i < rows; ++i) {
    bool row = false;
    insert.bindInt64(1, i);
    insert.step(row);
    insert.reset();
  }
}

void makeDatabase(const std::string& path, const char* schema, const std::function<void(sqlite::Database&)>& rows) {
  fs::create_directories(fs::path(path).parent_path());
  sqlite::Database db;
  if (!db.open(path, sqlite::OpenMode::ReadWriteCreate).ok() || !db.execute(schema).ok()) std::exit(1);
  db.execute("BEGIN");
  rows(db);
  db.execute("COMMIT");
}

void chromiumStores(const std::string& folder) {
  makeDatabase(folder + "/Network/Cookies", test::kChromiumCookiesSchema, [](sqlite::Database& db) {
    fill(db, "INSERT INTO cookies VALUES(13300000000000000, CASE ?1 % 2 WHEN 0 THEN '.' ELSE '' END || 'site' || "
             "(?1 / 10) || '.example', '', 'c' || ?1, '', randomblob(60), '/', 0,1,1,0,1,1,1,0,2,443,0,0,0)",
         kSites * kCookiesPerSite);
  });
  makeDatabase(folder + "/History", test::kChromiumHistorySchema, [](sqlite::Database& db) {
    fill(db, "INSERT INTO urls VALUES(?1 + 1, 'https://site' || (?1 % 2000) || '.example/page/' || ?1 || '/' || "
             "hex(randomblob(16)), 'Page ' || ?1, 4, 0, 13300000000000000 + ?1, 0)", kPages);
    fill(db, "INSERT INTO visits(url, visit_time, transition) VALUES(?1 % 50000 + 1, 13300000000000000 + ?1, 0)",
         kVisits);
    fill(db, "INSERT INTO segments VALUES(?1 + 1, 'http://site' || ?1 || '.example/', ?1 + 1)", kSites);
    fill(db, "INSERT INTO segment_usage VALUES(?1 + 1, ?1 % 2000 + 1, 13300000000000000, 3)", kPages);
  });
}

void firefoxStores(const std::string& folder) {
  makeDatabase(folder + "/cookies.sqlite", test::kFirefoxCookiesSchema, [](sqlite::Database& db) {
    fill(db, "INSERT INTO moz_cookies(name, value, host, path) VALUES('c' || ?1, hex(randomblob(20)), CASE ?1 % 2 "
             "WHEN 0 THEN '.' ELSE '' END || 'site' || (?1 / 10) || '.example', '/')",
         kSites * kCookiesPerSite);
  });
  makeDatabase(folder + "/places.sqlite", test::kFirefoxPlacesSchema, [](sqlite::Database& db) {
    fill(db, "INSERT INTO moz_origins VALUES(?1 + 1, 'https://', 'site' || ?1 || '.example', 1, 0, NULL, 0)", kSites);
    fill(db, "INSERT INTO moz_places(id, url, title, visit_count, last_visit_date, guid, origin_id) VALUES(?1 + 1, "
             "'https://site' || (?1 % 2000) || '.example/page/' || ?1 || '/' || hex(randomblob(16)), 'Page ' || ?1, "
             "4, 1700000000000000 + ?1, 'guid' || ?1, ?1 % 2000 + 1)", kPages);
    fill(db, "INSERT INTO moz_historyvisits(from_visit, place_id, visit_date, visit_type) VALUES(0, ?1 % 50000 + 1, "
             "1700000000000000 + ?1, 1)", kVisits);
    fill(db, "INSERT INTO moz_bookmarks(type, fk, parent, position, title, guid) VALUES(1, ?1 * 100 + 1, 1, ?1, "
             "'b', 'bookmark' || ?1)", 500);
  });
}

// Files of 4 to 64 KiB spread over 256 folders, as the browsers spread theirs.
void makeCache(const std::string& folder) {
  std::vector<char> bytes(64 * 1024, 'k');
  for (int i = 0; i < kCacheFiles; ++i) {
    const std::string sub = folder + "/" + std::to_string(i % 256);
    if (i < 256) fs::create_directories(sub);
    const int fd = ::open((sub + "/f_" + std::to_string(i)).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::size_t size = 4096 + (static_cast<std::size_t>(i) * 7919) % (60 * 1024);
    if (fd < 0 || ::write(fd, bytes.data(), size) != static_cast<ssize_t>(size)) std::exit(1);
    ::close(fd);
  }
}

void writeFile(const std::string& path, std::size_t size) {
  static const std::vector<char> bytes(64 * 1024, 's');
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0 || ::write(fd, bytes.data(), size) != static_cast<ssize_t>(size)) std::exit(1);
  ::close(fd);
}

// The site stores as each family lays them out; `doomed` gets what a clean keeping the kept
// sites deletes, for the floor's rm -rf. Chromium keeps Local Storage in one store of all sites.
void makeSiteData(BrowserFamily family, const std::string& folder, std::vector<std::string>& doomed) {
  const bool firefox = family == BrowserFamily::Firefox;
  for (int i = 0; i < kStorageOrigins; ++i) {
    const std::string origin = firefox ? folder + "/storage/default/https+++" + siteName(i)
                                       : folder + "/IndexedDB/https_" + siteName(i) + "_0.indexeddb.leveldb";
    const bool indexed = i < kIndexedOrigins, kept = i < kKeptSites;
    if (!firefox && !indexed) continue;
    fs::create_directories(origin + (firefox ? "/ls" : ""));
    if (firefox) writeFile(origin + "/ls/data.sqlite", 4096);
    if (indexed) {
      if (firefox) fs::create_directories(origin + "/idb");
      for (const char* name : {"/000003.log", "/CURRENT", "/MANIFEST-000001"})
        writeFile(origin + (firefox ? "/idb" : "") + name, 2048);
    }
    if (!kept) doomed.push_back(origin);
  }
  if (!firefox) {
    fs::create_directories(folder + "/Local Storage/leveldb");
    for (int i = 0; i < kStorageOrigins; i += 100) writeFile(folder + "/Local Storage/leveldb/" + std::to_string(i) + ".ldb", 60'000);
  }
  const std::string workers = firefox ? folder + "/storage/default/https+++" + siteName(kStorageOrigins - 1) + "/cache/morgue"
                                      : folder + "/Service Worker/CacheStorage";
  for (int i = 0; i < kWorkerCacheFiles; ++i) {
    const std::string sub = workers + "/" + std::to_string(i % 64);
    if (i < 64) fs::create_directories(sub);
    writeFile(sub + "/" + std::to_string(i) + "_0", 1024 + (static_cast<std::size_t>(i) * 613) % 16384);
  }
  if (!firefox) doomed.push_back(workers);
}

struct Family {
  BrowserFamily family;
  const char* browser;
  std::vector<std::string> stores;  // below the profile folder
  const char* cache;
  std::function<void(const std::string&)> makeStores;
  // The statements of a clean, for the sqlite3 tool, by store.
  std::vector<std::string> floorSql;
};

std::string keptHosts() {
  std::string list;
  for (int i = 0; i < kKeptSites; ++i)
    list += std::string(i ? "," : "") + "'." + siteName(i) + "','" + siteName(i) + "'";
  return list;
}

std::string scrubbed(const std::string& statements) {
  return "PRAGMA secure_delete=ON; BEGIN IMMEDIATE; " + statements +
         " COMMIT; VACUUM; PRAGMA wal_checkpoint(TRUNCATE);";
}

std::vector<Family> families() {
  return {
      {BrowserFamily::Chromium, "Chrome", {"Network/Cookies", "History"}, "Cache/Cache_Data", chromiumStores,
       {scrubbed("DELETE FROM cookies WHERE host_key NOT IN (" + keptHosts() + ");"),
        scrubbed("DELETE FROM urls; DELETE FROM visits; DELETE FROM visit_source; DELETE FROM keyword_search_terms; "
                 "DELETE FROM downloads; DELETE FROM downloads_url_chains; DELETE FROM downloads_slices; "
                 "DELETE FROM segments; DELETE FROM segment_usage;")}},
      {BrowserFamily::Firefox, "Firefox", {"cookies.sqlite", "places.sqlite"}, "cache2/entries", firefoxStores,
       {scrubbed("DELETE FROM moz_cookies WHERE host NOT IN (" + keptHosts() + ");"),
        scrubbed("DELETE FROM moz_historyvisits; DELETE FROM moz_inputhistory; DELETE FROM moz_places WHERE id NOT IN "
                 "(SELECT fk FROM moz_bookmarks WHERE fk NOT NULL); UPDATE moz_places SET visit_count = 0, "
                 "last_visit_date = NULL; DELETE FROM moz_origins WHERE id NOT IN (SELECT origin_id FROM moz_places "
                 "WHERE origin_id NOT NULL);")}},
  };
}

BrowserProfile profileOf(const Family& f, const std::string& folder) {
  BrowserProfile p;
  p.family = f.family;
  p.browser = f.browser;
  p.profile = "Bench";
  p.folder = folder;
  p.cookies.databases = {folder + "/" + f.stores[0]};
  p.history.databases = {folder + "/" + f.stores[1]};
  p.cache.folders = {folder + "/" + f.cache};
  if (f.family == BrowserFamily::Firefox) {
    p.siteData.originFolders = {folder + "/storage/default"};
  } else {
    p.siteData.originFolders = {folder + "/IndexedDB"};
    p.siteData.sharedFolders = {folder + "/Local Storage"};
    p.cache.folders.push_back(folder + "/Service Worker/CacheStorage");
  }
  return p;
}

// The bench's browsers are never running.
struct NoPrograms : Processes {
  std::vector<RunningProgram> running() override { return {}; }
};
NoPrograms noPrograms;

struct Round {
  double analyze = 0, stores = 0, cache = 0, floorStores = 0, floorCache = 0;
  double siteData = 0, floorSiteData = 0;
  double clean() const { return stores + cache + siteData; }
  double floor() const { return floorStores + floorCache + floorSiteData; }
};

void cleanOurs(Files& files, const BrowserProfile& p, const KeptSites& kept, Round& r) {
  r.stores = seconds([&] {
    cleanItem(files, noPrograms, p, BrowserItem::Cookies, kept);
    cleanItem(files, noPrograms, p, BrowserItem::History, kept);
  });
  r.cache = seconds([&] { cleanItem(files, noPrograms, p, BrowserItem::Cache, kept); });
  r.siteData = seconds([&] { cleanItem(files, noPrograms, p, BrowserItem::SiteData, kept); });
}

void cleanFloor(const Family& f, const std::string& copy, const std::vector<std::string>& doomed, Round& r) {
  r.floorStores = seconds([&] {
    for (std::size_t i = 0; i < f.stores.size(); ++i)
      run("sqlite3 '" + copy + "/" + f.stores[i] + "' \"" + f.floorSql[i] + "\" > /dev/null");
  });
  r.floorCache = seconds([&] { run("rm -rf '" + copy + "/" + f.cache + "'"); });
  // The names go through a file: one command line may not hold them all.
  const std::string list = copy + "/../doomed.list";
  std::string names;
  for (const auto& path : doomed) names += path + '\0';
  FILE* out = std::fopen(list.c_str(), "wb");
  if (!out || std::fwrite(names.data(), 1, names.size(), out) != names.size() || std::fclose(out) != 0) std::exit(1);
  r.floorSiteData = seconds([&] { run("xargs -0 rm -rf < '" + list + "'"); });
}

Round benchRound(Files& files, const Family& f, const std::string& work, const std::string& templates,
                 const KeptSites& kept, bool floorFirst) {
  const std::string ours = work + "/ours", theirs = work + "/floor";
  fs::remove_all(work);
  std::vector<std::string> doomed, unused;
  for (const std::string& copy : {ours, theirs}) {
    fs::create_directories(copy);
    makeSiteData(f.family, copy, copy == theirs ? doomed : unused);
    for (const auto& store : f.stores) {
      fs::create_directories(fs::path(copy + "/" + store).parent_path());
      fs::copy_file(templates + "/" + store, copy + "/" + store);
    }
    makeCache(copy + "/" + f.cache);
  }
  run("sync");
  const BrowserProfile p = profileOf(f, ours);
  Round r;
  r.analyze = seconds([&] {
    for (BrowserItem item : kBrowserItems) {
      const ItemFindings found = analyzeItem(files, noPrograms, p, item, kept);
      std::printf("    %-8s %s\n", itemName(item), found.found.c_str());
    }
  });
  // Taking turns at going first, so that neither always meets the disk's leftover work.
  if (floorFirst) cleanFloor(f, theirs, doomed, r);
  cleanOurs(files, p, kept, r);
  if (!floorFirst) cleanFloor(f, theirs, doomed, r);
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : (fs::temp_directory_path() / "vellox-browser-bench").string();
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  if (rounds < 1) return 0;  // built, nothing to time
  auto files = posix::makeFiles();
  std::vector<std::string> keptList;
  for (int i = 0; i < kKeptSites; ++i) keptList.push_back(siteName(i));
  const KeptSites kept(keptList);
  for (const Family& f : families()) {
    const std::string templates = folder + "/" + f.browser + "-templates";
    fs::remove_all(templates);
    f.makeStores(templates);
    std::vector<double> analyze, clean, floor, ratio;
    for (int round = 1; round <= rounds; ++round) {
      std::printf("%s, round %d\n", f.browser, round);
      const Round r = benchRound(*files, f, folder + "/" + f.browser, templates, kept, round % 2 == 0);
      std::printf("    analyze %.3f s; clean %.3f s (stores %.3f, cache %.3f, site data %.3f); floor %.3f s (sqlite3 "
                  "%.3f, rm -rf %.3f + %.3f)\n",
                  r.analyze, r.clean(), r.stores, r.cache, r.siteData, r.floor(), r.floorStores, r.floorCache,
                  r.floorSiteData);
      analyze.push_back(r.analyze);
      clean.push_back(r.clean());
      floor.push_back(r.floor());
      ratio.push_back(r.clean() / r.floor());
    }
    std::printf("%s medians of %d: analyze %.3f s, clean %.3f s, floor %.3f s, clean/floor %.2f\n", f.browser,
                rounds, median(analyze), median(clean), median(floor), median(ratio));
  }
  fs::remove_all(folder);
  return 0;
}
