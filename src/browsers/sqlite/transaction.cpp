#include "browsers/sqlite/transaction.h"

namespace vellox::sqlite {

Transaction::Transaction(Database& db) : db_(db), began_(db.execute("BEGIN IMMEDIATE")) {
  open_ = began_.ok();
}

Transaction::~Transaction() {
  if (open_) db_.execute("ROLLBACK");
}

SqlStatus Transaction::commit() {
  if (!open_) return began_.ok() ? SqlStatus{SqlErrc::Other, 0, 0, "the transaction has ended"} : began_;
  SqlStatus status = db_.execute("COMMIT");
  // A COMMIT that failed on a lock leaves the transaction open, to be committed again or rolled back.
  open_ = !status.ok();
  return status;
}

}  // namespace vellox::sqlite
