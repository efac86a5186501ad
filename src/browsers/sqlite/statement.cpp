#include "browsers/sqlite/statement.h"
#include <sqlite3.h>

namespace vellox::sqlite {
namespace {

SqlStatus notPrepared() { return {SqlErrc::Other, SQLITE_MISUSE, 0, "the statement is not prepared"}; }

}  // namespace

void FinalizeStatement::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

SqlStatus Statement::bindText(int index, std::string_view text) {
  if (!statement_) return notPrepared();
  const int rc = sqlite3_bind_text64(statement_.get(), index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  return statusOf(db_, rc);
}

SqlStatus Statement::bindInt64(int index, std::int64_t value) {
  if (!statement_) return notPrepared();
  return statusOf(db_, sqlite3_bind_int64(statement_.get(), index, value));
}

SqlStatus Statement::step(bool& hasRow) {
  hasRow = false;
  if (!statement_) return notPrepared();
  const int rc = sqlite3_step(statement_.get());
  hasRow = rc == SQLITE_ROW;
  return statusOf(db_, rc);
}

SqlStatus Statement::reset() {
  if (!statement_) return notPrepared();
  return statusOf(db_, sqlite3_reset(statement_.get()));
}

std::string Statement::columnText(int column) const {
  if (!statement_) return {};
  const auto* text = sqlite3_column_text(statement_.get(), column);
  const int size = sqlite3_column_bytes(statement_.get(), column);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size)) : std::string();
}

std::int64_t Statement::columnInt64(int column) const {
  return statement_ ? sqlite3_column_int64(statement_.get(), column) : 0;
}

bool Statement::columnIsNull(int column) const {
  return !statement_ || sqlite3_column_type(statement_.get(), column) == SQLITE_NULL;
}

}  // namespace vellox::sqlite
