#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "browsers/sqlite/database.h"

namespace vellox {

// Each runs inside the transaction scrubStore opens. `pages` tells how many pages went from the
// history. A table the cleaning does not know is left as it is and named in `notes`.

// Chromium's "History": every history table goes empty; `meta` stays.
sqlite::SqlStatus clearChromiumHistory(sqlite::Database& db, std::uint64_t& pages, std::vector<std::string>& notes);
// Firefox's places.sqlite, as Firefox clears its history: visits and what was learned from them
// go, bookmarked places stay without their visits.
sqlite::SqlStatus clearFirefoxPlaces(sqlite::Database& db, std::uint64_t& pages, std::vector<std::string>& notes);

// Chromium's "Favicons" and Firefox's favicons.sqlite: the icons of pages other than `kept`
// (full URLs) go.
sqlite::SqlStatus clearChromiumFavicons(sqlite::Database& db, const std::vector<std::string>& kept,
                                        std::vector<std::string>& notes);
sqlite::SqlStatus clearFirefoxFavicons(sqlite::Database& db, const std::vector<std::string>& kept,
                                       std::vector<std::string>& notes);

// Runs the statements in order while they succeed.
sqlite::SqlStatus executeAll(sqlite::Database& db, const std::vector<std::string>& statements);
// Notes every table of the database that is in neither list: tables the cleaning empties and
// tables it knows to keep.
sqlite::SqlStatus noteUnknownTables(sqlite::Database& db, const std::vector<std::string>& cleaned,
                                    const std::vector<std::string>& keptTables, std::vector<std::string>& notes);
// Fills the connection's own temporary table `name` (one column, `value`) with `values`.
sqlite::SqlStatus tempList(sqlite::Database& db, const std::string& name, const std::vector<std::string>& values);

}  // namespace vellox
