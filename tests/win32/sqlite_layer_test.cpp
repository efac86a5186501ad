#include <windows.h>
#include <gtest/gtest.h>
#include <chrono>
#include "browsers/sqlite/database.h"
#include "browsers/sqlite/statement.h"
#include "browsers/sqlite/transaction.h"
#include "files_temp_dir.h"
#include "platform/win32/handle.h"

namespace vellox::test {
namespace {

using namespace vellox::sqlite;

// The layer inside the Windows build: SQLite's own Windows file code under a path that is
// not in the ANSI code page, which must reach the file system as that very name.
TEST(SqliteWin32, DatabaseUnderNonAsciiPathIsCreatedWrittenAndReadBack) {
  WinTempDir dir;
  const std::string folder = dir / "Profil Grüße 数据";
  ASSERT_TRUE(CreateDirectoryW(toWide(folder).c_str(), nullptr));
  const std::string path = folder + "\\Cookies";
  {
    Database db;
    const SqlStatus opened = db.open(path, OpenMode::ReadWriteCreate);
    ASSERT_TRUE(opened.ok()) << opened.message;
    Transaction transaction(db);
    ASSERT_TRUE(db.execute("CREATE TABLE cookies(host_key TEXT, value TEXT);"
                           "INSERT INTO cookies VALUES ('.example.com', 'v')").ok());
    ASSERT_TRUE(transaction.commit().ok());
  }
  ASSERT_TRUE(fileExists(path));
  Database db;
  ASSERT_TRUE(db.open(path, OpenMode::ReadOnly).ok());
  Statement select;
  bool row = false;
  ASSERT_TRUE(db.prepare("SELECT host_key FROM cookies", select).ok() && select.step(row).ok());
  ASSERT_TRUE(row);
  EXPECT_EQ(select.columnText(0), ".example.com");
}

// Held the way a running browser holds its stores: opened with no sharing at all.
TEST(SqliteWin32, FileHeldWithoutSharingIsRefusedQuickly) {
  WinTempDir dir;
  const std::string path = dir / "Cookies";
  {
    Database db;
    ASSERT_TRUE(db.open(path, OpenMode::ReadWriteCreate).ok());
    ASSERT_TRUE(db.execute("CREATE TABLE cookies(host_key TEXT)").ok());
  }
  win32::UniqueHandle held(CreateFileW(toWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held);
  const auto start = std::chrono::steady_clock::now();
  Database db;
  const SqlStatus status = db.open(path, OpenMode::ReadWrite);
  const auto took = std::chrono::steady_clock::now() - start;
  held.reset();
  EXPECT_EQ(status.code, SqlErrc::CannotOpen) << status.message;
  EXPECT_EQ(status.osError, ERROR_SHARING_VIOLATION) << status.message;
  EXPECT_LT(took, std::chrono::seconds(10));
}

}  // namespace
}  // namespace vellox::test
