#include <gtest/gtest.h>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include "browsers/sqlite/database.h"
#include "browsers/sqlite/statement.h"
#include "browsers/sqlite/transaction.h"
#include "wipe/temp_dir.h"

namespace vellox::test {
namespace {

using namespace vellox::sqlite;

const std::string kSecret = "secret-cookie-value-5f1c9e";

std::int64_t countRows(Database& db, const std::string& table) {
  Statement count;
  bool row = false;
  if (!db.prepare("SELECT count(*) FROM " + table, count).ok() || !count.step(row).ok() || !row) return -1;
  return count.columnInt64(0);
}

// A long statement stops soon after its scope says so, and runs to its end outside one.
TEST(SqliteLayer, AStatementStopsWhenItsInterruptScopeSaysSo) {
  TempDir dir;
  Database db;
  ASSERT_TRUE(db.open(dir / "store.db", OpenMode::ReadWriteCreate).ok());
  const std::string count =
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300000) SELECT count(*) FROM n";
  int asked = 0;
  for (bool scoped : {true, false}) {
    std::optional<InterruptScope> scope;
    if (scoped) scope.emplace([&] { return ++asked > 3; });
    Statement query;
    bool row = false;
    ASSERT_TRUE(db.prepare(count, query).ok());
    EXPECT_EQ(query.step(row).code, scoped ? SqlErrc::Interrupted : SqlErrc::Ok);
    EXPECT_EQ(asked, 4) << "stopped at the first question answered yes; not asked outside the scope";
    if (!scoped) { EXPECT_EQ(query.columnInt64(0), 300000); }
  }
}

TEST(SqliteLayer, BoundValuesAreStoredAndReadBackAfterReopening) {
  TempDir dir;
  const std::string path = dir / "store.db";
  const std::int64_t big = 5'000'000'000'123;
  {
    Database db;
    ASSERT_TRUE(db.open(path, OpenMode::ReadWriteCreate).ok());
    ASSERT_TRUE(db.execute("CREATE TABLE t(name TEXT, n INTEGER)").ok());
    Statement insert;
    ASSERT_TRUE(db.prepare("INSERT INTO t VALUES (?1, ?2)", insert).ok());
    bool row = true;
    for (const auto& [name, n] : {std::pair<std::string, std::int64_t>{"it's \"quoted\"", big}, {"Grüße", -7}}) {
      ASSERT_TRUE(insert.bindText(1, name).ok());
      ASSERT_TRUE(insert.bindInt64(2, n).ok());
      ASSERT_TRUE(insert.step(row).ok());
      EXPECT_FALSE(row);
      ASSERT_TRUE(insert.reset().ok());
    }
  }
  Database db;
  ASSERT_TRUE(db.open(path, OpenMode::ReadOnly).ok());
  Statement select;
  ASSERT_TRUE(db.prepare("SELECT name, n FROM t ORDER BY n DESC", select).ok());
  bool row = false;
  ASSERT_TRUE(select.step(row).ok() && row);
  EXPECT_EQ(select.columnText(0), "it's \"quoted\"");
  EXPECT_EQ(select.columnInt64(1), big);
  ASSERT_TRUE(select.step(row).ok() && row);
  EXPECT_EQ(select.columnText(0), "Grüße");
  ASSERT_TRUE(select.step(row).ok());
  EXPECT_FALSE(row);
  EXPECT_FALSE(db.execute("DELETE FROM t").ok()) << "a read-only connection wrote";
}

TEST(SqliteLayer, TransactionKeepsItsChangesOnlyWhenCommitted) {
  for (const bool commit : {false, true}) {
    TempDir dir;
    Database db;
    ASSERT_TRUE(db.open(dir / "t.db", OpenMode::ReadWriteCreate).ok());
    ASSERT_TRUE(db.execute("CREATE TABLE t(v TEXT); INSERT INTO t VALUES ('a'), ('b')").ok());
    {
      Transaction transaction(db);
      ASSERT_TRUE(transaction.began().ok());
      ASSERT_TRUE(db.execute("DELETE FROM t").ok());
      EXPECT_EQ(db.changes(), 2);
      if (commit) {
        EXPECT_TRUE(transaction.commit().ok());
      }
    }
    EXPECT_EQ(countRows(db, "t"), commit ? 0 : 2) << "commit " << commit;
  }
}

TEST(SqliteLayer, OpenFailuresAreToldApart) {
  TempDir dir;
  writeText(dir / "notes.txt", std::string(4096, 'x'));
  struct Case { std::string path; OpenMode mode; SqlErrc expected; };
  const Case cases[] = {
      {dir / "notes.txt", OpenMode::ReadOnly, SqlErrc::NotADatabase},
      {dir / "notes.txt", OpenMode::ReadWrite, SqlErrc::NotADatabase},
      {dir / "missing.db", OpenMode::ReadWrite, SqlErrc::CannotOpen},
      {dir / "no/such/folder.db", OpenMode::ReadWriteCreate, SqlErrc::CannotOpen},
  };
  for (const Case& c : cases) {
    Database db;
    const SqlStatus status = db.open(c.path, c.mode);
    EXPECT_EQ(status.code, c.expected) << c.path << ": " << status.message;
    EXPECT_FALSE(status.message.empty());
    EXPECT_FALSE(db.isOpen());
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "missing.db"));
}

TEST(SqliteLayer, LockHeldByAnotherConnectionIsBusyWithoutHanging) {
  TempDir dir;
  Database holder;
  ASSERT_TRUE(holder.open(dir / "held.db", OpenMode::ReadWriteCreate).ok());
  ASSERT_TRUE(holder.execute("CREATE TABLE t(v TEXT)").ok());
  // A write lock: readers go on, a second writer is refused.
  ASSERT_TRUE(holder.execute("BEGIN IMMEDIATE; INSERT INTO t VALUES ('x')").ok());
  Database other;
  ASSERT_TRUE(other.open(dir / "held.db", OpenMode::ReadWrite).ok());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Transaction(other).began().code, SqlErrc::Busy);
  // An exclusive lock: even opening, which reads the schema, is refused.
  ASSERT_TRUE(holder.execute("PRAGMA locking_mode = EXCLUSIVE; COMMIT; INSERT INTO t VALUES ('y')").ok());
  Database late;
  EXPECT_EQ(late.open(dir / "held.db", OpenMode::ReadOnly).code, SqlErrc::Busy);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(SqliteLayer, TableExistsOnlyForTables) {
  TempDir dir;
  Database db;
  ASSERT_TRUE(db.open(dir / "s.db", OpenMode::ReadWriteCreate).ok());
  ASSERT_TRUE(db.execute("CREATE TABLE urls(id INTEGER); CREATE VIEW recent AS SELECT id FROM urls").ok());
  for (const auto& [name, expected] : {std::pair<std::string, bool>{"urls", true}, {"visits", false},
                                       {"recent", false}, {"urls' OR '1'='1", false}}) {
    bool exists = !expected;
    EXPECT_TRUE(db.tableExists(name, exists).ok());
    EXPECT_EQ(exists, expected) << name;
  }
}

// The database file's bytes and its write-ahead log's, read while the connection is open.
std::string fileBytes(const std::string& path) {
  return readText(path) + (std::filesystem::exists(path + "-wal") ? readText(path + "-wal") : "");
}

TEST(SqliteLayer, SecureDeleteVacuumAndCheckpointLeaveNoDeletedBytes) {
  for (const std::string journal : {"DELETE", "WAL"}) {
    for (const bool secure : {false, true}) {
      SCOPED_TRACE(journal + (secure ? " secure" : " plain"));
      TempDir dir;
      const std::string path = dir / "Cookies";
      {
        Database db;
        ASSERT_TRUE(db.open(path, OpenMode::ReadWriteCreate).ok());
        ASSERT_TRUE(db.execute("PRAGMA journal_mode = " + journal + "; CREATE TABLE cookies(host TEXT, value TEXT)").ok());
        ASSERT_TRUE(db.execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                               "INSERT INTO cookies SELECT 'site' || i || '.test', hex(randomblob(40)) FROM n").ok());
        ASSERT_TRUE(db.execute("INSERT INTO cookies VALUES ('gone.test', '" + kSecret + "')").ok());
      }  // closing writes everything into the database file itself
      ASSERT_NE(readText(path).find(kSecret), std::string::npos);

      Database db;
      ASSERT_TRUE(db.open(path, OpenMode::ReadWrite).ok());
      if (secure) {
        ASSERT_TRUE(db.setSecureDelete(true).ok());
      }
      {
        Transaction transaction(db);
        ASSERT_TRUE(db.execute("DELETE FROM cookies WHERE host = 'gone.test'").ok());
        ASSERT_TRUE(transaction.commit().ok());
      }
      if (secure) {
        ASSERT_TRUE(db.vacuum().ok());
        ASSERT_TRUE(db.checkpointTruncate().ok());
      }
      EXPECT_EQ(fileBytes(path).find(kSecret) == std::string::npos, secure);
      EXPECT_EQ(countRows(db, "cookies"), 300);
      if (secure && journal == "WAL") {
        EXPECT_EQ(std::filesystem::file_size(path + "-wal"), 0u);
      }
      Statement check;
      bool row = false;
      ASSERT_TRUE(db.prepare("PRAGMA integrity_check", check).ok() && check.step(row).ok() && row);
      EXPECT_EQ(check.columnText(0), "ok");
    }
  }
}

}  // namespace
}  // namespace vellox::test
