#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "browsers/browser_cleaning.h"
#include "browsers/sqlite/database.h"

namespace vellox {

// How far a store could be used, and why not.
struct StoreOutcome {
  StoreState state = StoreState::Ready;
  std::string reason;  // "Chrome is running", "not a database"
  // Ready, but with something the user must know: what was done, and what was not.
  std::vector<std::string> notes;
  bool ok() const { return state == StoreState::Ready; }
};

// A lock held by another program, and a file held open without sharing (as a running
// browser holds its stores), tell that its browser is running.
StoreOutcome outcomeOf(const sqlite::SqlStatus& status, const std::string& browser);

// Opens the database for reading only.
StoreOutcome openToRead(sqlite::Database& db, const std::string& path, const std::string& browser);

// Changes the database in one transaction, writing zeros over what is deleted, then rebuilds
// it without free pages and empties its write-ahead log, so no deleted value stays anywhere
// in its files; the journals it deletes on the way are overwritten first. `change` tells how
// many of the things the caller counts went, and may add notes. When the change was made but
// the rebuild failed, the count stands and a note says so.
using StoreChange =
    std::function<sqlite::SqlStatus(sqlite::Database& db, std::uint64_t& removed, std::vector<std::string>& notes)>;
inline constexpr const char* kNotCompacted =
    "the rows were deleted, but the database could not be compacted: deleted data may remain in it until the next "
    "Clean";
StoreOutcome scrubStore(const std::string& path, const std::string& browser, const StoreChange& change,
                        std::uint64_t& removed);

// Whether the table is there; a failed look counts as absent, the next statement says why.
bool hasTable(sqlite::Database& db, const std::string& table);
// The database's own tables, in name order, without SQLite's internal ones.
sqlite::SqlStatus tablesOf(sqlite::Database& db, std::vector<std::string>& tables);
// The note for a table a newer browser made that the cleaning does not know.
std::string unknownTableNote(const std::string& table);
// The single number the query gives.
sqlite::SqlStatus countOf(sqlite::Database& db, const std::string& sql, std::uint64_t& count);

}  // namespace vellox
