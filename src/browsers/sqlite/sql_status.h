#pragma once
#include <string>

struct sqlite3;

namespace vellox::sqlite {

// Busy: another connection or program holds a lock the call needed (SQLite's BUSY or LOCKED).
// NotADatabase: the file exists but is not a SQLite database, or is encrypted.
// CannotOpen: the file or its folder cannot be opened or created at all.
// Interrupted: stopped by an InterruptScope before it ended; a transaction it was in is rolled back.
enum class SqlErrc { Ok, Busy, NotADatabase, CannotOpen, Interrupted, Other };

struct SqlStatus {
  SqlErrc code = SqlErrc::Ok;
  int native = 0;       // SQLite's extended result code
  // The system's error number behind an I/O failure, 0 when none: errno, or on Windows the
  // GetLastError code, where a file held open without sharing (as a running browser holds its
  // stores) fails to open as CannotOpen with a sharing violation.
  int osError = 0;
  std::string message;  // SQLite's text for it
  bool ok() const { return code == SqlErrc::Ok; }
};

// The status of result code `rc` of a call on `db` (which may be null), with the connection's
// message when there is one.
SqlStatus statusOf(sqlite3* db, int rc);

}  // namespace vellox::sqlite
