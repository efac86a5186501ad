#include "browsers/history_clearing.h"
#include "browsers/sqlite/statement.h"
#include "browsers/store_access.h"

namespace vellox {

using namespace sqlite;

namespace {

// Emptied: visits and what Firefox learned or recorded from them.
const std::vector<std::string> kEmptied = {
    "moz_historyvisits", "moz_historyvisits_extra", "moz_inputhistory", "moz_places_metadata",
    "moz_places_metadata_search_queries", "moz_places_extra", "moz_previews_tombstones",
    "moz_newtab_story_click", "moz_newtab_story_impression", "moz_newtab_shortcuts_interaction"};
// Changed row by row below.
const std::vector<std::string> kTrimmed = {"moz_places", "moz_origins", "moz_annos", "moz_anno_attributes",
                                           "moz_meta"};
// Bookmarks and what belongs to them.
const std::vector<std::string> kKept = {"moz_bookmarks", "moz_bookmarks_deleted", "moz_keywords", "moz_items_annos"};

bool hasColumn(Database& db, const std::string& table, const std::string& column) {
  Statement query;
  bool found = false;
  return db.prepare("SELECT 1 FROM pragma_table_info('" + table + "') WHERE name = '" + column + "'", query).ok() &&
         query.step(found).ok() && found;
}

// The columns that ask Firefox to compute a frecency again, where this schema has them.
std::string recalcColumns(Database& db, const std::string& table) {
  std::string set;
  if (hasColumn(db, table, "recalc_frecency")) set += ", recalc_frecency = 1";
  if (hasColumn(db, table, "alt_frecency")) set += ", alt_frecency = NULL";
  if (hasColumn(db, table, "recalc_alt_frecency")) set += ", recalc_alt_frecency = 1";
  return set;
}

// A place stays while a bookmark (or a bookmark's keyword) points to it; it then keeps no
// trace of visits, and its frecency starts again as Firefox resets it (0 for queries, -1 to be
// computed). An origin goes with the last place of it.
SqlStatus trimPlaces(Database& db) {
  std::string pointed = "SELECT NULL WHERE 0";
  if (hasTable(db, "moz_bookmarks")) pointed += " UNION SELECT fk FROM moz_bookmarks WHERE fk NOT NULL";
  if (hasTable(db, "moz_keywords")) pointed += " UNION SELECT place_id FROM moz_keywords WHERE place_id NOT NULL";
  SqlStatus status = db.execute("DELETE FROM moz_places WHERE id NOT IN (" + pointed + ")");
  std::string reset = "UPDATE moz_places SET visit_count = 0, last_visit_date = NULL";
  if (hasColumn(db, "moz_places", "typed")) reset += ", typed = 0";
  if (hasColumn(db, "moz_places", "frecency"))
    reset += ", frecency = CASE WHEN url LIKE 'place:%' THEN 0 ELSE -1 END" + recalcColumns(db, "moz_places");
  if (status.ok()) status = db.execute(reset);
  if (status.ok() && hasTable(db, "moz_origins"))
    status = executeAll(db, {"DELETE FROM moz_origins WHERE id NOT IN "
                             "(SELECT origin_id FROM moz_places WHERE origin_id NOT NULL)",
                             "UPDATE moz_origins SET frecency = 0" + recalcColumns(db, "moz_origins")});
  return status;
}

// Annotations of places that are gone, and those only history has (downloads), go.
SqlStatus trimAnnotations(Database& db) {
  if (!hasTable(db, "moz_annos")) return {};
  std::string doomed = "place_id NOT IN (SELECT id FROM moz_places)";
  if (hasTable(db, "moz_anno_attributes"))
    doomed += " OR anno_attribute_id IN (SELECT id FROM moz_anno_attributes WHERE name LIKE 'downloads/%')";
  SqlStatus status = db.execute("DELETE FROM moz_annos WHERE " + doomed);
  if (status.ok() && hasTable(db, "moz_anno_attributes")) {
    std::string used = "SELECT anno_attribute_id FROM moz_annos";
    if (hasTable(db, "moz_items_annos")) used += " UNION SELECT anno_attribute_id FROM moz_items_annos";
    status = db.execute("DELETE FROM moz_anno_attributes WHERE id NOT IN (" + used + ")");
  }
  return status;
}

// The statistics Firefox keeps over the origins' frecencies, computed again from what is left.
SqlStatus refreshOriginStats(Database& db) {
  if (!hasTable(db, "moz_meta") || !hasTable(db, "moz_origins")) return {};
  const std::string over = " FROM moz_origins WHERE frecency > 0), 0) WHERE key = ";
  return executeAll(db, {"UPDATE moz_meta SET value = ifnull((SELECT count(*)" + over + "'origin_frecency_count'",
                         "UPDATE moz_meta SET value = ifnull((SELECT sum(frecency)" + over + "'origin_frecency_sum'",
                         "UPDATE moz_meta SET value = ifnull((SELECT sum(frecency * frecency)" + over +
                             "'origin_frecency_sum_of_squares'"});
}

}  // namespace

SqlStatus clearFirefoxPlaces(Database& db, std::uint64_t& pages, std::vector<std::string>& notes) {
  pages = 0;
  SqlStatus status;
  if (hasTable(db, "moz_historyvisits")) status = countOf(db, "SELECT count(DISTINCT place_id) FROM moz_historyvisits", pages);
  for (const auto& table : kEmptied)
    if (status.ok() && hasTable(db, table)) status = db.execute("DELETE FROM " + table);
  if (status.ok() && hasTable(db, "moz_places")) status = trimPlaces(db);
  if (status.ok()) status = trimAnnotations(db);
  if (status.ok()) status = refreshOriginStats(db);
  std::vector<std::string> known = kEmptied;
  known.insert(known.end(), kTrimmed.begin(), kTrimmed.end());
  if (status.ok()) status = noteUnknownTables(db, known, kKept, notes);
  return status;
}

// favicons.sqlite maps pages to icons (moz_pages_w_icons, moz_icons_to_pages). A site's root
// icon (/favicon.ico) belongs to no page: it stays while a kept page is on its site.
SqlStatus clearFirefoxFavicons(Database& db, const std::vector<std::string>& kept, std::vector<std::string>& notes) {
  const std::vector<std::string> tables = {"moz_pages_w_icons", "moz_icons_to_pages", "moz_icons"};
  for (const auto& table : tables)
    if (!hasTable(db, table)) return noteUnknownTables(db, {}, {}, notes);
  std::vector<std::string> sites;
  for (const auto& url : kept) {
    const auto scheme = url.find("://");
    if (scheme != std::string::npos) sites.push_back(url.substr(0, url.find('/', scheme + 3)) + "/");
  }
  SqlStatus status = tempList(db, "kept_pages", kept);
  if (status.ok()) status = tempList(db, "kept_sites", sites);
  if (status.ok())
    status = executeAll(
        db, {"DELETE FROM moz_pages_w_icons WHERE page_url NOT IN (SELECT value FROM temp.kept_pages)",
             "DELETE FROM moz_icons_to_pages WHERE page_id NOT IN (SELECT id FROM moz_pages_w_icons)",
             "DELETE FROM moz_icons WHERE id NOT IN (SELECT icon_id FROM moz_icons_to_pages) AND NOT (root = 1 AND "
             "EXISTS (SELECT 1 FROM temp.kept_sites WHERE substr(icon_url, 1, length(value)) = value))"});
  if (status.ok()) status = noteUnknownTables(db, tables, {"moz_meta"}, notes);
  return status;
}

}  // namespace vellox
