#include "browsers/store_access.h"
#include "browsers/sqlite/statement.h"
#include "browsers/sqlite/transaction.h"

namespace vellox {

using namespace sqlite;

namespace {

// Windows' error numbers for a file another program holds without sharing, or has locked.
constexpr int kSharingViolation = 32, kLockViolation = 33;

}  // namespace

StoreOutcome outcomeOf(const SqlStatus& status, const std::string& browser) {
  if (status.ok()) return {};
  const bool held = status.code == SqlErrc::Busy ||
                    (status.code == SqlErrc::CannotOpen &&
                     (status.osError == kSharingViolation || status.osError == kLockViolation));
  if (held) return {StoreState::Running, browser + " is running", {}};
  if (status.code == SqlErrc::Interrupted) return {StoreState::Stopped, "stopped before it ended", {}};
  if (status.code == SqlErrc::NotADatabase) return {StoreState::Unreadable, "not a database", {}};
  if (status.code == SqlErrc::CannotOpen) return {StoreState::Unreadable, "cannot be opened", {}};
  return {StoreState::Unreadable, status.message, {}};
}

StoreOutcome openToRead(Database& db, const std::string& path, const std::string& browser) {
  return outcomeOf(db.open(path, OpenMode::ReadOnly), browser);
}

StoreOutcome scrubStore(const std::string& path, const std::string& browser, const StoreChange& change,
                        std::uint64_t& removed) {
  removed = 0;
  Database db;
  SqlStatus status = db.open(path, OpenMode::Scrubbing);
  if (!status.ok()) return outcomeOf(status, browser);
  std::vector<std::string> notes;
  {
    Transaction transaction(db);
    status = transaction.began();
    if (status.ok()) status = change(db, removed, notes);
    if (status.ok()) status = transaction.commit();
  }
  if (!status.ok()) {
    removed = 0;
    return outcomeOf(status, browser);
  }
  status = db.vacuum();
  if (status.ok()) status = db.checkpointTruncate();
  StoreOutcome outcome;
  outcome.notes = std::move(notes);
  if (!status.ok()) outcome.notes.push_back(kNotCompacted);
  return outcome;
}

bool hasTable(Database& db, const std::string& table) {
  bool exists = false;
  return db.tableExists(table, exists).ok() && exists;
}

SqlStatus tablesOf(Database& db, std::vector<std::string>& tables) {
  tables.clear();
  Statement query;
  SqlStatus status = db.prepare("SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' "
                                "ESCAPE '!' ORDER BY name", query);
  for (bool row = true; status.ok();) {
    status = query.step(row);
    if (!status.ok() || !row) break;
    tables.push_back(query.columnText(0));
  }
  return status;
}

std::string unknownTableNote(const std::string& table) { return "not cleaned: unknown table " + table; }

SqlStatus countOf(Database& db, const std::string& sql, std::uint64_t& count) {
  count = 0;
  Statement query;
  bool row = false;
  SqlStatus status = db.prepare(sql, query);
  if (status.ok()) status = query.step(row);
  if (status.ok() && row) count = static_cast<std::uint64_t>(query.columnInt64(0));
  return status;
}

}  // namespace vellox
