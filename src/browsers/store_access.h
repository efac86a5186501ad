#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include "browsers/browser_cleaning.h"
#include "browsers/sqlite/database.h"

namespace vellox {

// How far a store could be used, and why not.
struct StoreOutcome {
  StoreState state = StoreState::Ready;
  std::string reason;  // "Chrome is running", "not a database"
  bool ok() const { return state == StoreState::Ready; }
};

// A lock held by another program, and a file held open without sharing (as a running
// browser holds its stores), tell that its browser is running.
StoreOutcome outcomeOf(const sqlite::SqlStatus& status, const std::string& browser);

// Opens the database for reading only.
StoreOutcome openToRead(sqlite::Database& db, const std::string& path, const std::string& browser);

// Changes the database in one transaction, writing zeros over what is deleted, then rebuilds
// it without free pages and empties its write-ahead log, so no deleted value stays anywhere
// in its files. `change` tells how many of the things the caller counts went.
using StoreChange = std::function<sqlite::SqlStatus(sqlite::Database& db, std::uint64_t& removed)>;
StoreOutcome scrubStore(const std::string& path, const std::string& browser, const StoreChange& change,
                        std::uint64_t& removed);

// Whether the table is there; a failed look counts as absent, the next statement says why.
bool hasTable(sqlite::Database& db, const std::string& table);
// The single number the query gives.
sqlite::SqlStatus countOf(sqlite::Database& db, const std::string& sql, std::uint64_t& count);

}  // namespace vellox
