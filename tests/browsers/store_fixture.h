#pragma once
#include <gtest/gtest.h>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include "browsers/browser_cleaning.h"
#include "browsers/browser_profile.h"
#include "browsers/profile_at.h"
#include "fakes/fake_processes.h"
#include "browsers/sqlite/database.h"
#include "browsers/sqlite/statement.h"
#include "platform/files.h"
#include "wipe/forwarding_files.h"
#include "wipe/temp_dir.h"

namespace vellox::test {

// Analyze and Clean while no browser's program runs.
inline FakeProcesses noBrowserRunning;
inline ItemFindings analyzeItem(Files& f, const BrowserProfile& p, BrowserItem item, const KeptSites& kept) {
  return vellox::analyzeItem(f, noBrowserRunning, p, item, kept);
}
inline ItemCleaned cleanItem(Files& f, const BrowserProfile& p, BrowserItem item, const KeptSites& kept) {
  return vellox::cleanItem(f, noBrowserRunning, p, item, kept);
}

// The files and links below `folder`, relative to it; no link is followed.
inline std::set<std::string> namesBelow(const std::string& folder) {
  std::set<std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (!entry.is_directory() || entry.is_symlink()) found.insert(entry.path().lexically_relative(folder).string());
  return found;
}

// Creates the database at `path` with `schema` and then runs `rows`.
inline void makeDatabase(const std::string& path, const std::string& schema, const std::string& rows) {
  writeText(path, "");
  sqlite::Database db;
  ASSERT_TRUE(db.open(path, sqlite::OpenMode::ReadWrite).ok());
  const auto made = db.execute(schema);
  ASSERT_TRUE(made.ok()) << made.message;
  const auto filled = db.execute("BEGIN;" + rows + ";COMMIT");
  ASSERT_TRUE(filled.ok()) << filled.message;
}

// The first column of every row of the query; queries join columns with "||".
inline std::multiset<std::string> rowsOf(const std::string& path, const std::string& sql) {
  std::multiset<std::string> rows;
  sqlite::Database db;
  sqlite::Statement query;
  EXPECT_TRUE(db.open(path, sqlite::OpenMode::ReadOnly).ok());
  EXPECT_TRUE(db.prepare(sql, query).ok()) << sql;
  for (bool row = true; query.prepared() && query.step(row).ok() && row;) rows.insert(query.columnText(0));
  return rows;
}

// Every byte the database keeps on disk: the file and its journal or write-ahead log.
inline std::string storeBytes(const std::string& path) {
  return readText(path) + readText(path + "-wal") + readText(path + "-journal");
}

inline std::string integrityOf(const std::string& path) {
  const auto rows = rowsOf(path, "PRAGMA integrity_check");
  return rows.size() == 1 ? *rows.begin() : "several answers";
}

// The real file service, except that the named files are held by another program without
// sharing, as a running browser holds them: opening them is refused as in use.
class BrowserLockFiles : public ForwardingFiles {
 public:
  BrowserLockFiles(Files& inner, std::set<std::string> held) : ForwardingFiles(inner), held_(std::move(held)) {}
  FileStatus readFile(const std::string& path, std::string& contents, std::size_t maxBytes) override {
    if (held_.count(path)) return {FileErrc::InUse, 32, "The process cannot access the file"};
    return inner_.readFile(path, contents, maxBytes);
  }

 private:
  std::set<std::string> held_;
};

}  // namespace vellox::test
