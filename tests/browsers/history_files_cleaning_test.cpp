#include <gtest/gtest.h>
#include <unistd.h>
#include <filesystem>
#include <set>
#include <string>
#include <vector>
#include "browser_schemas.h"
#include "browsers/browser_cleaning.h"
#include "platform/posix/posix_files.h"
#include "store_fixture.h"

namespace vellox::test {
namespace {

struct Check {
  const char* sql;
  std::multiset<std::string> rows;
};

struct HistoryCase {
  BrowserFamily family;
  const char* browser;
  const char* store;
  const char* schema;
  const char* rows;
  std::vector<Check> after;
};

const char* const kChromiumRows = R"(
INSERT INTO urls VALUES(1,'https://gone.example/secret-path-1','t1',2,1,13300000000000000,0),
 (2,'https://gone.example/secret-path-2','t2',1,0,13300000000000001,0),(3,'https://gone.example/secret-path-3','',1,0,1,0);
INSERT INTO visits(id,url,visit_time,transition,segment_id) VALUES(1,1,1,0,1),(2,1,2,0,1),(3,2,3,0,NULL),(4,3,4,0,NULL);
INSERT INTO visit_source VALUES(3,1);
INSERT INTO keyword_search_terms VALUES(2,1,'secret-path search','secret-path search');
INSERT INTO downloads VALUES(1,'g','C:\secret-path.zip','C:\secret-path.zip',1,5,5,1,0,0,X'',2,0,0,0,
 'https://gone.example/secret-path-ref','https://gone.example','','https://gone.example/secret-path-tab','','GET','','',
 '','','','application/zip','application/zip');
INSERT INTO downloads_url_chains VALUES(1,0,'https://gone.example/secret-path-dl');
INSERT INTO downloads_slices VALUES(1,0,5,1);
INSERT INTO segments VALUES(1,'http://gone.example/secret-path-1',1);
INSERT INTO segment_usage VALUES(1,1,13300000000000000,2);
)";

const char* const kFirefoxRows = R"(
INSERT INTO moz_origins VALUES(1,'https://','kept.example',1,0,NULL,0),(2,'https://','gone.example',1,0,NULL,0);
INSERT INTO moz_places(id,url,title,visit_count,last_visit_date,guid,foreign_count,origin_id) VALUES
 (1,'https://kept.example/bookmarked-page','b',4,1700000000000000,'guid-kept-00',1,1),
 (2,'https://gone.example/secret-path-2','g',1,1700000000000001,'guid-gone-02',0,2),
 (3,'https://gone.example/secret-path-3','h',2,1700000000000002,'guid-gone-03',0,2),
 (4,'https://gone.example/secret-path-never-visited','n',0,NULL,'guid-gone-04',0,2);
INSERT INTO moz_historyvisits(id,from_visit,place_id,visit_date,visit_type) VALUES(1,0,1,1,1),(2,1,2,2,1),(3,0,3,3,2),
 (4,0,3,4,1);
INSERT INTO moz_inputhistory VALUES(3,'secret-path typed',1.0);
INSERT INTO moz_bookmarks(id,type,fk,parent,position,title,guid) VALUES(1,2,NULL,0,0,'root','root________'),
 (2,1,1,1,0,'My bookmark','bookmark-001');
)";

const HistoryCase kHistoryCases[] = {
    {BrowserFamily::Chromium, "Chrome", "History", kChromiumHistorySchema, kChromiumRows,
     {{"SELECT (SELECT count(*) FROM urls) + (SELECT count(*) FROM visits) + (SELECT count(*) FROM visit_source) + "
       "(SELECT count(*) FROM keyword_search_terms) + (SELECT count(*) FROM downloads) + "
       "(SELECT count(*) FROM downloads_url_chains) + (SELECT count(*) FROM downloads_slices) + "
       "(SELECT count(*) FROM segments) + (SELECT count(*) FROM segment_usage)",
       {"0"}},
      {"SELECT key || '=' || value FROM meta", {"version=70", "last_compatible_version=16"}}}},
    {BrowserFamily::Firefox, "Firefox", "places.sqlite", kFirefoxPlacesSchema, kFirefoxRows,
     {{"SELECT url || '|' || visit_count || '|' || ifnull(last_visit_date, 'none') FROM moz_places",
       {"https://kept.example/bookmarked-page|0|none"}},
      {"SELECT (SELECT count(*) FROM moz_historyvisits) + (SELECT count(*) FROM moz_inputhistory)", {"0"}},
      {"SELECT host FROM moz_origins", {"kept.example"}},
      {"SELECT title || '|' || ifnull(fk, 'none') FROM moz_bookmarks", {"root|none", "My bookmark|1"}}}},
};

TEST(BrowserCleaning, HistoryLosesEveryVisitAndNoDeletedUrlRemainsWhileBookmarksStay) {
  for (const auto& c : kHistoryCases) {
    SCOPED_TRACE(c.browser);
    TempDir dir;
    auto files = posix::makeFiles();
    BrowserProfile p = profileAt(c.family, c.browser, dir / "profile");
    const std::string store = p.folder + "/" + c.store;
    makeDatabase(store, c.schema, c.rows);
    p.history.databases.push_back(store);
    for (const char* name : {"Visited Links", "Top Sites-journal"}) {
      writeText(p.folder + "/" + name, "secret-path");
      p.history.files.push_back(p.folder + "/" + name);
    }
    writeText(p.folder + "/Bookmarks", "mine");

    EXPECT_EQ(analyzeItem(*files, p, BrowserItem::History, KeptSites{}).found, "3 pages");
    const ItemCleaned cleaned = cleanItem(*files, p, BrowserItem::History, KeptSites{});
    EXPECT_EQ(cleaned.state, StoreState::Ready) << cleaned.reason;
    EXPECT_EQ(cleaned.cleaned, "3 pages");
    for (const auto& check : c.after) EXPECT_EQ(rowsOf(store, check.sql), check.rows) << check.sql;
    EXPECT_EQ(integrityOf(store), "ok");
    EXPECT_EQ(storeBytes(store).find("secret-path"), std::string::npos);
    for (const auto& file : p.history.files) EXPECT_FALSE(std::filesystem::exists(file)) << file;
    EXPECT_EQ(readText(p.folder + "/Bookmarks"), "mine");
    EXPECT_EQ(analyzeItem(*files, p, BrowserItem::History, KeptSites{}).found, "nothing");
  }
}

TEST(BrowserCleaning, CacheAndSessionFilesGoLinksInsideGoAsNamesAndALinkedItemFolderStays) {
  TempDir dir;
  auto files = posix::makeFiles();
  BrowserProfile p = profileAt(BrowserFamily::Chromium, "Chrome", dir / "profile");
  const std::string outside = dir / "elsewhere";
  writeText(outside + "/precious", "keep me");
  const std::string cache = p.folder + "/Cache", code = p.folder + "/Code Cache";
  writeText(cache + "/Cache_Data/data_0", std::string(3000, 'c'));
  writeText(cache + "/Cache_Data/f_000001", std::string(2000, 'c'));
  writeText(cache + "/index", "i");
  std::filesystem::create_symlink(outside, cache + "/Cache_Data/link-to-folder");
  std::filesystem::create_symlink(outside + "/precious", cache + "/link-to-file");
  std::filesystem::create_directory_symlink(outside, code);  // the item's own folder is a link
  p.cache.folders = {cache, code};
  writeText(p.folder + "/Sessions/Session_1", "tabs");
  writeText(p.folder + "/Current Session", "tabs");
  p.session.folders = {p.folder + "/Sessions"};
  p.session.files = {p.folder + "/Current Session"};

  // The linked "Code Cache" leads to a place the browser's folders do not hold: it is not counted.
  EXPECT_EQ(analyzeItem(*files, p, BrowserItem::Cache, KeptSites{}).found, "5 KB in 5 files");
  EXPECT_EQ(analyzeItem(*files, p, BrowserItem::Session, KeptSites{}).found, "2 files");
  EXPECT_EQ(cleanItem(*files, p, BrowserItem::Cache, KeptSites{}).cleaned, "5 KB in 5 files");
  EXPECT_EQ(cleanItem(*files, p, BrowserItem::Session, KeptSites{}).cleaned, "2 files");

  EXPECT_EQ(readText(outside + "/precious"), "keep me");
  EXPECT_TRUE(std::filesystem::is_symlink(code)) << "left in place";
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(p.folder))
    if (!entry.is_directory() && entry.path() != code) left.push_back(entry.path().string());
  EXPECT_EQ(left, std::vector<std::string>{}) << "the folders stay, empty";
  EXPECT_TRUE(std::filesystem::is_directory(cache + "/Cache_Data"));
  for (BrowserItem item : {BrowserItem::Cache, BrowserItem::Session})
    EXPECT_EQ(analyzeItem(*files, p, item, KeptSites{}).found, "nothing");
}

}  // namespace
}  // namespace vellox::test
