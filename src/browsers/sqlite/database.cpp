#include "browsers/sqlite/database.h"
#include <sqlite3.h>
#include "browsers/sqlite/statement.h"

namespace vellox::sqlite {
namespace {

int flagsOf(OpenMode mode) {
  switch (mode) {
    case OpenMode::ReadOnly: return SQLITE_OPEN_READONLY;
    case OpenMode::ReadWrite: return SQLITE_OPEN_READWRITE;
    case OpenMode::ReadWriteCreate: return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  }
  return SQLITE_OPEN_READONLY;
}

// SQLite's calls take no null connection; ours answer it with a status instead.
SqlStatus notOpen() { return {SqlErrc::Other, SQLITE_MISUSE, 0, "the database is not open"}; }

// Steps of SQLite's engine between two questions to the scope: well under a millisecond.
constexpr int kStepsPerCheck = 1000;

thread_local InterruptScope* innermost = nullptr;

// A non-zero answer interrupts the statement, as sqlite3_interrupt would; asked from within,
// it needs no timer thread racing the connection's close.
int onProgress(void*) { return InterruptScope::stopNow() ? 1 : 0; }

}  // namespace

InterruptScope::InterruptScope(std::function<bool()> stopped) : stopped_(std::move(stopped)), outer_(innermost) {
  innermost = this;
}

InterruptScope::~InterruptScope() { innermost = outer_; }

bool InterruptScope::stopNow() { return innermost && innermost->stopped_ && innermost->stopped_(); }

void CloseConnection::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

SqlStatus Database::open(const std::string& path, OpenMode mode) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, flagsOf(mode) | SQLITE_OPEN_EXRESCODE, nullptr);
  // A failed open still hands back a connection, which holds the message and must be closed.
  ConnectionHandle opened(raw);
  if (rc != SQLITE_OK) return statusOf(opened.get(), rc);
  db_ = std::move(opened);
  sqlite3_progress_handler(db_.get(), kStepsPerCheck, onProgress, nullptr);
  SqlStatus status = setBusyWait(kDefaultBusyWaitMs);
  if (status.ok()) status = execute("SELECT count(*) FROM sqlite_schema");
  if (!status.ok()) db_.reset();
  return status;
}

SqlStatus Database::setBusyWait(int milliseconds) {
  if (!db_) return notOpen();
  return statusOf(db_.get(), sqlite3_busy_timeout(db_.get(), milliseconds));
}

SqlStatus Database::execute(const std::string& sql) {
  if (!db_) return notOpen();
  return statusOf(db_.get(), sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, nullptr));
}

SqlStatus Database::prepare(const std::string& sql, Statement& statement) {
  if (!db_) return notOpen();
  sqlite3_stmt* raw = nullptr;
  const int rc = sqlite3_prepare_v2(db_.get(), sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr);
  statement = Statement(db_.get(), raw);
  return statusOf(db_.get(), rc);
}

SqlStatus Database::tableExists(const std::string& name, bool& exists) {
  exists = false;
  Statement query;
  SqlStatus status = prepare("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?1", query);
  if (status.ok()) status = query.bindText(1, name);
  if (status.ok()) status = query.step(exists);
  return status;
}

SqlStatus Database::setSecureDelete(bool on) {
  return execute(on ? "PRAGMA secure_delete = ON" : "PRAGMA secure_delete = OFF");
}

SqlStatus Database::vacuum() { return execute("VACUUM"); }

SqlStatus Database::checkpointTruncate() {
  if (!db_) return notOpen();
  const int rc = sqlite3_wal_checkpoint_v2(db_.get(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
  return statusOf(db_.get(), rc);
}

std::int64_t Database::changes() const { return db_ ? sqlite3_changes64(db_.get()) : 0; }

}  // namespace vellox::sqlite
