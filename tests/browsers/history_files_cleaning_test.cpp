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
  std::set<std::string> keptTables;  // the tables that keep rows, checked by `after`; every other one is emptied
  std::vector<Check> after;
  const char *icons, *iconSchema, *iconRows;  // the icon store beside it, its schema and rows
  std::vector<Check> iconsAfter;
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
INSERT INTO content_annotations(visit_id,annotation_flags,search_terms,has_url_keyed_image) VALUES(1,0,'secret-path q',0);
INSERT INTO context_annotations(visit_id,context_annotation_flags) VALUES(1,0);
INSERT INTO clusters VALUES(1,1,'secret-path label','secret-path raw',1,'',0);
INSERT INTO clusters_and_visits(cluster_id,visit_id,url_for_deduping,normalized_url,url_for_display)
 VALUES(1,1,'https://gone.example/secret-path-1','https://gone.example/secret-path-1','gone.example/secret-path-1');
INSERT INTO cluster_keywords VALUES(1,'secret-path keyword',1,1.0,'');
INSERT INTO cluster_visit_duplicates VALUES(1,2);
INSERT INTO visited_links VALUES(1,1,'https://gone.example/secret-path-top','https://gone.example/secret-path-frame',1);
INSERT INTO history_sync_metadata VALUES(1,X'0102');
CREATE TABLE later_feature(page TEXT);
INSERT INTO later_feature VALUES('left, and said');
)";

const char* const kChromiumIconRows = R"(
INSERT INTO icon_mapping(id,page_url,icon_id) VALUES(1,'https://gone.example/secret-path-1',1),
 (2,'https://kept.example/bookmarked-page',2);
INSERT INTO favicons VALUES(1,'https://gone.example/secret-path-icon.ico',1),(2,'https://kept.example/favicon.ico',1);
INSERT INTO favicon_bitmaps(id,icon_id,image_data) VALUES(1,1,X'AB'),(2,2,X'CD');
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
UPDATE moz_places SET typed = 1, frecency = 2000 WHERE id = 1;
UPDATE moz_origins SET frecency = 2000;
INSERT INTO moz_anno_attributes VALUES(1,'downloads/destinationFileURI'),(2,'mine/note'),(3,'bookmark/desc');
INSERT INTO moz_annos(id,place_id,anno_attribute_id,content) VALUES(1,1,1,'file:///C:/secret-path-result.pdf'),
 (2,1,2,'kept note'),(3,2,2,'secret-path note'),(4,77,2,'secret-path orphan');
INSERT INTO moz_items_annos(id,item_id,anno_attribute_id,content) VALUES(1,2,3,'bookmark description');
INSERT INTO moz_meta VALUES('origin_frecency_count',2),('origin_frecency_sum',4000),
 ('origin_frecency_sum_of_squares',8000000);
INSERT INTO moz_places_metadata_search_queries VALUES(1,'secret-path terms');
INSERT INTO moz_places_metadata(id,place_id,search_query_id) VALUES(1,2,1);
INSERT INTO moz_previews_tombstones VALUES('secret-path-hash');
INSERT INTO moz_places_extra VALUES(1,'{"secret-path":1}');
INSERT INTO moz_historyvisits_extra VALUES(2,'{"secret-path":2}');
INSERT INTO moz_bookmarks_deleted VALUES('guid-deleted',1);
CREATE TABLE later_feature(page TEXT);
)";

const char* const kFirefoxIconRows = R"(
INSERT INTO moz_icons(id,icon_url,fixed_icon_url_hash,root) VALUES(1,'https://gone.example/secret-path.png',1,0),
 (2,'https://kept.example/touch.png',2,0),(3,'https://kept.example/favicon.ico',3,1),
 (4,'https://gone.example/favicon.ico',4,1);
INSERT INTO moz_pages_w_icons VALUES(1,'https://gone.example/secret-path-2',1),(2,'https://kept.example/bookmarked-page',2);
INSERT INTO moz_icons_to_pages(page_id,icon_id) VALUES(1,1),(2,2);
)";

const HistoryCase kHistoryCases[] = {
    {BrowserFamily::Chromium, "Chrome", "History", kChromiumHistorySchema, kChromiumRows,
     {"meta", "later_feature", "sqlite_sequence"},
     {{"SELECT key || '=' || value FROM meta", {"version=70", "last_compatible_version=16"}},
      {"SELECT page FROM later_feature", {"left, and said"}}},
     "Favicons", kChromiumFaviconsSchema, kChromiumIconRows,
     {{"SELECT page_url FROM icon_mapping", {"https://kept.example/bookmarked-page"}},
      {"SELECT url || '|' || (SELECT count(*) FROM favicon_bitmaps WHERE icon_id = favicons.id) FROM favicons",
       {"https://kept.example/favicon.ico|1"}}}},
    {BrowserFamily::Firefox, "Firefox", "places.sqlite", kFirefoxPlacesSchema, kFirefoxRows,
     {"moz_places", "moz_origins", "moz_bookmarks", "moz_meta", "moz_annos", "moz_anno_attributes", "moz_items_annos",
      "moz_bookmarks_deleted", "sqlite_sequence"},
     {{"SELECT url || '|' || visit_count || '|' || ifnull(last_visit_date, 'none') FROM moz_places",
       {"https://kept.example/bookmarked-page|0|none"}},
      {"SELECT host FROM moz_origins", {"kept.example"}},
      {"SELECT title || '|' || ifnull(fk, 'none') FROM moz_bookmarks", {"root|none", "My bookmark|1"}},
      {"SELECT typed || '|' || frecency || '|' || recalc_frecency FROM moz_places", {"0|-1|1"}},
      {"SELECT frecency || '|' || recalc_frecency FROM moz_origins", {"0|1"}},
      {"SELECT key || '=' || value FROM moz_meta",
       {"origin_frecency_count=0", "origin_frecency_sum=0", "origin_frecency_sum_of_squares=0"}},
      {"SELECT content FROM moz_annos", {"kept note"}},
      {"SELECT name FROM moz_anno_attributes", {"mine/note", "bookmark/desc"}},
      {"SELECT content FROM moz_items_annos UNION ALL SELECT guid FROM moz_bookmarks_deleted",
       {"bookmark description", "guid-deleted"}}},
     "favicons.sqlite", kFirefoxFaviconsSchema, kFirefoxIconRows,
     {{"SELECT page_url FROM moz_pages_w_icons", {"https://kept.example/bookmarked-page"}},
      {"SELECT icon_url FROM moz_icons", {"https://kept.example/touch.png", "https://kept.example/favicon.ico"}}}},
};

TEST(BrowserCleaning, HistoryAndIconsLoseEveryVisitAndNoDeletedUrlRemainsWhileBookmarksStay) {
  for (const auto& c : kHistoryCases) {
    SCOPED_TRACE(c.browser);
    TempDir dir;
    auto files = posix::makeFiles();
    BrowserProfile p = profileAt(c.family, c.browser, dir / "profile");
    const std::string store = p.folder + "/" + c.store;
    makeDatabase(store, std::string(c.schema) + (c.family == BrowserFamily::Firefox ? kFirefoxPlacesNewerSchema
                                                                                 : kChromiumHistoryNewerSchema),
                 c.rows);
    const std::string icons = p.folder + "/" + c.icons;
    makeDatabase(icons, c.iconSchema, c.iconRows);
    p.history.databases = {store, icons};
    writeText(p.folder + "/Bookmarks",
              R"({"roots": {"bar": {"children": [{"type": "url", "url": "https://kept.example/bookmarked-page"}]}}})");
    for (const char* name : {"Visited Links", "Top Sites-journal"}) {
      writeText(p.folder + "/" + name, "secret-path");
      p.history.files.push_back(p.folder + "/" + name);
    }

    EXPECT_EQ(analyzeItem(*files, p, BrowserItem::History, KeptSites{}).found, "3 pages");
    const ItemCleaned cleaned = cleanItem(*files, p, BrowserItem::History, KeptSites{});
    EXPECT_EQ(cleaned.state, StoreState::Ready) << cleaned.reason;
    EXPECT_EQ(cleanedText(cleaned), "3 pages (not cleaned: unknown table later_feature)");
    for (const auto& table : rowsOf(store, "SELECT name FROM sqlite_master WHERE type = 'table'"))
      if (!c.keptTables.count(table)) { EXPECT_TRUE(rowsOf(store, "SELECT 1 FROM " + table).empty()) << table; }
    for (const auto& check : c.after) EXPECT_EQ(rowsOf(store, check.sql), check.rows) << check.sql;
    for (const auto& check : c.iconsAfter) EXPECT_EQ(rowsOf(icons, check.sql), check.rows) << check.sql;
    for (const auto& db : {store, icons}) {
      EXPECT_EQ(integrityOf(db), "ok");
      EXPECT_EQ(storeBytes(db).find("secret-path"), std::string::npos) << db;
    }
    for (const auto& file : p.history.files) EXPECT_FALSE(std::filesystem::exists(file)) << file;
    EXPECT_NE(readText(p.folder + "/Bookmarks").find("kept.example"), std::string::npos);
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
  p.cache.folders = {cache};
  p.cache.linkedFolders = {{code, outside}};  // as discovery names it
  writeText(p.folder + "/Sessions/Session_1", "tabs");
  writeText(p.folder + "/Current Session", "tabs");
  p.session.folders = {p.folder + "/Sessions"};
  p.session.files = {p.folder + "/Current Session"};

  // The linked "Code Cache" leads to a place the browser's folders do not hold: it is named, not counted.
  const std::string note = " (Code Cache: a link to " + outside + ": not cleaned)";
  EXPECT_EQ(analyzeItem(*files, p, BrowserItem::Cache, KeptSites{}).found, "5 KB in 5 files" + note);
  EXPECT_EQ(analyzeItem(*files, p, BrowserItem::Session, KeptSites{}).found, "2 files");
  EXPECT_EQ(cleanedText(cleanItem(*files, p, BrowserItem::Cache, KeptSites{})), "5 KB in 5 files" + note);
  EXPECT_EQ(cleanItem(*files, p, BrowserItem::Session, KeptSites{}).cleaned, "2 files");

  EXPECT_EQ(readText(outside + "/precious"), "keep me");
  EXPECT_EQ(namesBelow(p.folder), std::set<std::string>{"Code Cache"}) << "the folders stay, empty; the link stays";
  EXPECT_TRUE(std::filesystem::is_directory(cache + "/Cache_Data"));
  EXPECT_EQ(analyzeItem(*files, p, BrowserItem::Cache, KeptSites{}).found, "nothing" + note);
  EXPECT_EQ(analyzeItem(*files, p, BrowserItem::Session, KeptSites{}).found, "nothing");
}

}  // namespace
}  // namespace vellox::test
