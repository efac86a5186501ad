#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include "browsers/sqlite/sql_status.h"

struct sqlite3;

namespace vellox::sqlite {

class Statement;

// While one lives, every statement run on a connection that this thread opened stops soon after
// `stopped` answers true, with SqlErrc::Interrupted: a clean keeps its deadline inside one long
// statement, such as the VACUUM of a large history. SQLite asks it every few thousand steps of
// its engine, on the thread that runs the statement, so it needs no lock.
class InterruptScope {
 public:
  explicit InterruptScope(std::function<bool()> stopped);
  ~InterruptScope();
  InterruptScope(const InterruptScope&) = delete;
  InterruptScope& operator=(const InterruptScope&) = delete;

  // Whether the innermost scope of this thread says stop.
  static bool stopNow();

 private:
  std::function<bool()> stopped_;
  InterruptScope* outer_;
};

enum class OpenMode { ReadOnly, ReadWrite, ReadWriteCreate };

struct CloseConnection {
  void operator()(sqlite3* db) const;
};
using ConnectionHandle = std::unique_ptr<sqlite3, CloseConnection>;

// One connection to a database file. A lock held elsewhere is waited for only briefly and then
// comes back as SqlErrc::Busy, so a browser that is running never makes a call hang.
class Database {
 public:
  static constexpr int kDefaultBusyWaitMs = 250;

  // Opens the file at the UTF-8 `path` and reads its header, so a file that is not a database
  // or is locked is told here and not at the first query.
  SqlStatus open(const std::string& path, OpenMode mode);
  bool isOpen() const { return db_ != nullptr; }
  void close() { db_.reset(); }

  SqlStatus setBusyWait(int milliseconds);
  // Runs one or more statements that return no rows the caller needs.
  SqlStatus execute(const std::string& sql);
  SqlStatus prepare(const std::string& sql, Statement& statement);
  SqlStatus tableExists(const std::string& name, bool& exists);
  // Deleted content is overwritten with zeros instead of being left in free pages.
  SqlStatus setSecureDelete(bool on);
  SqlStatus vacuum();
  // Copies a write-ahead log into the database and truncates it to zero bytes; does nothing
  // to a database that has no such log.
  SqlStatus checkpointTruncate();
  // Rows changed by the latest INSERT, UPDATE or DELETE.
  std::int64_t changes() const;

 private:
  ConnectionHandle db_;
};

}  // namespace vellox::sqlite
