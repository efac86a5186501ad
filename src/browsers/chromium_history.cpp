#include <algorithm>
#include "browsers/history_clearing.h"
#include "browsers/sqlite/statement.h"
#include "browsers/store_access.h"

namespace vellox {

using namespace sqlite;

namespace {

// Every table of Chromium's history database that holds what was visited, typed, searched or
// downloaded, or what the browser learned from it (annotations, journeys, visited-link salts).
const std::vector<std::string> kHistoryTables = {
    "urls", "visits", "visit_source", "keyword_search_terms", "downloads", "downloads_url_chains",
    "downloads_slices", "downloads_reroute_info", "segments", "segment_usage", "content_annotations",
    "context_annotations", "clusters", "clusters_and_visits", "cluster_keywords", "cluster_visit_duplicates",
    "visited_links", "history_sync_metadata", "typed_url_sync_metadata"};
const std::vector<std::string> kKeptHistoryTables = {"meta"};

const std::vector<std::string> kIconTables = {"icon_mapping", "favicons", "favicon_bitmaps"};
const std::vector<std::string> kKeptIconTables = {"meta"};

}  // namespace

SqlStatus executeAll(Database& db, const std::vector<std::string>& statements) {
  SqlStatus status;
  for (const auto& sql : statements)
    if (status.ok()) status = db.execute(sql);
  return status;
}

SqlStatus noteUnknownTables(Database& db, const std::vector<std::string>& cleaned,
                            const std::vector<std::string>& keptTables, std::vector<std::string>& notes) {
  std::vector<std::string> tables;
  const SqlStatus status = tablesOf(db, tables);
  const auto known = [](const std::vector<std::string>& list, const std::string& t) {
    return std::find(list.begin(), list.end(), t) != list.end();
  };
  for (const auto& table : tables)
    if (!known(cleaned, table) && !known(keptTables, table)) notes.push_back(unknownTableNote(table));
  return status;
}

SqlStatus tempList(Database& db, const std::string& name, const std::vector<std::string>& values) {
  SqlStatus status = db.execute("CREATE TEMP TABLE IF NOT EXISTS " + name + "(value TEXT PRIMARY KEY); DELETE FROM temp." +
                                name);
  Statement insert;
  if (status.ok()) status = db.prepare("INSERT OR IGNORE INTO temp." + name + " VALUES (?1)", insert);
  for (const auto& value : values) {
    bool row = false;
    if (status.ok()) status = insert.bindText(1, value);
    if (status.ok()) status = insert.step(row);
    if (status.ok()) status = insert.reset();
  }
  return status;
}

SqlStatus clearChromiumHistory(Database& db, std::uint64_t& pages, std::vector<std::string>& notes) {
  pages = 0;
  SqlStatus status = hasTable(db, "urls") ? countOf(db, "SELECT count(*) FROM urls", pages) : SqlStatus{};
  for (const auto& table : kHistoryTables)
    if (status.ok() && hasTable(db, table)) status = db.execute("DELETE FROM " + table);
  if (status.ok()) status = noteUnknownTables(db, kHistoryTables, kKeptHistoryTables, notes);
  return status;
}

// A page's icon is found through icon_mapping; an icon no page maps to, and its bitmaps, go.
SqlStatus clearChromiumFavicons(Database& db, const std::vector<std::string>& kept, std::vector<std::string>& notes) {
  if (!hasTable(db, "icon_mapping") || !hasTable(db, "favicons")) return noteUnknownTables(db, {}, {}, notes);
  SqlStatus status = tempList(db, "kept_pages", kept);
  if (status.ok())
    status = executeAll(db, {"DELETE FROM icon_mapping WHERE page_url NOT IN (SELECT value FROM temp.kept_pages)",
                             "DELETE FROM favicons WHERE id NOT IN (SELECT icon_id FROM icon_mapping)"});
  if (status.ok() && hasTable(db, "favicon_bitmaps"))
    status = db.execute("DELETE FROM favicon_bitmaps WHERE icon_id NOT IN (SELECT id FROM favicons)");
  if (status.ok()) status = noteUnknownTables(db, kIconTables, kKeptIconTables, notes);
  return status;
}

}  // namespace vellox
