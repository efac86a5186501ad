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
  if (held) return {StoreState::Running, browser + " is running"};
  if (status.code == SqlErrc::Interrupted) return {StoreState::Stopped, "stopped before it ended"};
  if (status.code == SqlErrc::NotADatabase) return {StoreState::Unreadable, "not a database"};
  if (status.code == SqlErrc::CannotOpen) return {StoreState::Unreadable, "cannot be opened"};
  return {StoreState::Unreadable, status.message};
}

StoreOutcome openToRead(Database& db, const std::string& path, const std::string& browser) {
  return outcomeOf(db.open(path, OpenMode::ReadOnly), browser);
}

StoreOutcome scrubStore(const std::string& path, const std::string& browser, const StoreChange& change,
                        std::uint64_t& removed) {
  removed = 0;
  Database db;
  SqlStatus status = db.open(path, OpenMode::ReadWrite);
  if (status.ok()) status = db.setSecureDelete(true);
  if (!status.ok()) return outcomeOf(status, browser);
  {
    Transaction transaction(db);
    status = transaction.began();
    if (status.ok()) status = change(db, removed);
    if (status.ok()) status = transaction.commit();
  }
  if (!status.ok()) {
    removed = 0;
    return outcomeOf(status, browser);
  }
  status = db.vacuum();
  if (status.ok()) status = db.checkpointTruncate();
  return outcomeOf(status, browser);
}

bool hasTable(Database& db, const std::string& table) {
  bool exists = false;
  return db.tableExists(table, exists).ok() && exists;
}

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
