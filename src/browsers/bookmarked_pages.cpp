#include "browsers/bookmarked_pages.h"
#include "browsers/history_store.h"
#include "browsers/json_reader.h"
#include "browsers/sqlite/statement.h"
#include "browsers/store_access.h"

namespace vellox {

namespace {

constexpr std::size_t kBookmarksLimit = 256u << 20;

void collectUrls(const JsonValue& node, std::vector<std::string>& urls) {
  const JsonValue* type = node.member("type");
  const JsonValue* url = node.member("url");
  if (type && type->text == "url" && url && url->kind == JsonValue::Kind::String) urls.push_back(url->text);
  for (const auto& item : node.items) collectUrls(item, urls);
}

std::optional<std::vector<std::string>> chromiumBookmarks(Files& files, const BrowserProfile& profile) {
  std::string path = profile.folder;
  if (path.empty() || path.back() != files.separator()) path += files.separator();
  std::string text;
  const FileStatus read = files.readFile(path + "Bookmarks", text, kBookmarksLimit);
  if (read.code == FileErrc::NotFound) return std::vector<std::string>{};
  const auto doc = read.ok() ? parseJson(text) : std::nullopt;
  if (!doc) return std::nullopt;
  std::vector<std::string> urls;
  collectUrls(*doc, urls);
  return urls;
}

std::optional<std::vector<std::string>> firefoxBookmarks(const BrowserProfile& profile) {
  std::vector<std::string> urls;
  for (const auto& path : profile.history.databases) {
    if (isFaviconStore(path)) continue;
    sqlite::Database db;
    if (!openToRead(db, path, profile.browser).ok()) return std::nullopt;
    if (!hasTable(db, "moz_places") || !hasTable(db, "moz_bookmarks")) continue;
    sqlite::Statement query;
    sqlite::SqlStatus status = db.prepare(
        "SELECT url FROM moz_places WHERE id IN (SELECT fk FROM moz_bookmarks WHERE fk NOT NULL)", query);
    for (bool row = true; status.ok();) {
      status = query.step(row);
      if (!status.ok() || !row) break;
      urls.push_back(query.columnText(0));
    }
    if (!status.ok()) return std::nullopt;
  }
  return urls;
}

}  // namespace

std::optional<std::vector<std::string>> bookmarkedPages(Files& files, const BrowserProfile& profile) {
  return profile.family == BrowserFamily::Firefox ? firefoxBookmarks(profile) : chromiumBookmarks(files, profile);
}

}  // namespace vellox
