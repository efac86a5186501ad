#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include "browsers/sqlite/sql_status.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vellox::sqlite {

struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const;
};
using StatementHandle = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// One prepared statement, made by Database::prepare. Parameters and columns count as SQLite
// counts them: parameters from 1, columns from 0.
class Statement {
 public:
  Statement() = default;
  Statement(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {}

  bool prepared() const { return statement_ != nullptr; }
  SqlStatus bindText(int index, std::string_view text);
  SqlStatus bindInt64(int index, std::int64_t value);
  // Runs to the next row; `hasRow` is false once the statement is done.
  SqlStatus step(bool& hasRow);
  // Makes the statement ready to run again; its bindings stay.
  SqlStatus reset();
  std::string columnText(int column) const;
  std::int64_t columnInt64(int column) const;
  bool columnIsNull(int column) const;

 private:
  sqlite3* db_ = nullptr;  // the connection that made it, for its messages
  StatementHandle statement_;
};

}  // namespace vellox::sqlite
