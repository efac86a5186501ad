#include "browsers/history_store.h"

namespace vellox {

using namespace sqlite;

namespace {

// Every table of Chromium's history database that holds what was visited, typed or downloaded.
const char* const kChromiumTables[] = {"urls",      "visits",           "visit_source", "keyword_search_terms",
                                       "downloads", "downloads_url_chains", "downloads_slices",
                                       "segments",  "segment_usage"};

SqlStatus countChromium(Database& db, std::uint64_t& pages) {
  pages = 0;
  return hasTable(db, "urls") ? countOf(db, "SELECT count(*) FROM urls", pages) : SqlStatus{};
}

SqlStatus countFirefox(Database& db, std::uint64_t& pages) {
  pages = 0;
  if (!hasTable(db, "moz_historyvisits")) return {};
  return countOf(db, "SELECT count(DISTINCT place_id) FROM moz_historyvisits", pages);
}

SqlStatus cleanChromium(Database& db, std::uint64_t& pages) {
  SqlStatus status = countChromium(db, pages);
  for (const char* table : kChromiumTables)
    if (status.ok() && hasTable(db, table)) status = db.execute(std::string("DELETE FROM ") + table);
  return status;
}

// A place stays while a bookmark (or a bookmark's keyword) points to it; it then keeps no
// trace of visits. An origin goes with the last place of it.
SqlStatus cleanFirefox(Database& db, std::uint64_t& pages) {
  SqlStatus status = countFirefox(db, pages);
  for (const char* table : {"moz_historyvisits", "moz_inputhistory", "moz_places_metadata"})
    if (status.ok() && hasTable(db, table)) status = db.execute(std::string("DELETE FROM ") + table);
  if (!status.ok() || !hasTable(db, "moz_places")) return status;
  std::string pointed = "SELECT NULL WHERE 0";
  if (hasTable(db, "moz_bookmarks")) pointed += " UNION SELECT fk FROM moz_bookmarks WHERE fk NOT NULL";
  if (hasTable(db, "moz_keywords")) pointed += " UNION SELECT place_id FROM moz_keywords WHERE place_id NOT NULL";
  status = db.execute("DELETE FROM moz_places WHERE id NOT IN (" + pointed + ")");
  if (status.ok()) status = db.execute("UPDATE moz_places SET visit_count = 0, last_visit_date = NULL");
  if (status.ok() && hasTable(db, "moz_origins"))
    status = db.execute("DELETE FROM moz_origins WHERE id NOT IN "
                        "(SELECT origin_id FROM moz_places WHERE origin_id NOT NULL)");
  return status;
}

}  // namespace

StoreOutcome countPages(const std::string& path, const BrowserProfile& profile, std::uint64_t& pages) {
  pages = 0;
  Database db;
  StoreOutcome outcome = openToRead(db, path, profile.browser);
  if (!outcome.ok()) return outcome;
  const bool firefox = profile.family == BrowserFamily::Firefox;
  return outcomeOf(firefox ? countFirefox(db, pages) : countChromium(db, pages), profile.browser);
}

StoreOutcome cleanHistory(const std::string& path, const BrowserProfile& profile, std::uint64_t& pages) {
  const bool firefox = profile.family == BrowserFamily::Firefox;
  return scrubStore(path, profile.browser, firefox ? cleanFirefox : cleanChromium, pages);
}

}  // namespace vellox
