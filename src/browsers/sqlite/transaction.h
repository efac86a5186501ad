#pragma once
#include "browsers/sqlite/database.h"

namespace vellox::sqlite {

// BEGIN IMMEDIATE on construction, so the write lock is taken (or refused as Busy) before any
// change; rolled back on destruction unless committed.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  const SqlStatus& began() const { return began_; }
  SqlStatus commit();

 private:
  Database& db_;
  SqlStatus began_;
  bool open_ = false;
};

}  // namespace vellox::sqlite
