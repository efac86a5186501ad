#include "browsers/sqlite/sql_status.h"
#include <sqlite3.h>

namespace vellox::sqlite {
namespace {

SqlErrc codeOf(int rc) {
  switch (rc & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE: return SqlErrc::Ok;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return SqlErrc::Busy;
    case SQLITE_NOTADB: return SqlErrc::NotADatabase;
    case SQLITE_CANTOPEN: return SqlErrc::CannotOpen;
    case SQLITE_INTERRUPT: return SqlErrc::Interrupted;
    default: return SqlErrc::Other;
  }
}

}  // namespace

SqlStatus statusOf(sqlite3* db, int rc) {
  SqlStatus status;
  status.code = codeOf(rc);
  if (status.ok()) return status;
  status.native = rc;
  // The connection's message and system error belong to its latest failure, which is this one
  // only while it is the connection's own code.
  const bool current = db != nullptr && sqlite3_extended_errcode(db) == rc;
  status.message = current ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  status.osError = current ? sqlite3_system_errno(db) : 0;
  return status;
}

}  // namespace vellox::sqlite
