#include "browsers/cookie_store.h"
#include <utility>
#include <vector>
#include "browsers/sqlite/statement.h"

namespace vellox {

using namespace sqlite;

namespace {

struct CookieTable {
  std::string table, host;
};

CookieTable tableOf(const BrowserProfile& profile) {
  if (profile.family == BrowserFamily::Firefox) return {"moz_cookies", "host"};
  return {"cookies", "host_key"};
}

// Each host as stored, with its number of cookies.
SqlStatus readHosts(Database& db, const CookieTable& t, std::vector<std::pair<std::string, std::uint64_t>>& hosts) {
  Statement query;
  SqlStatus status = db.prepare("SELECT " + t.host + ", count(*) FROM " + t.table + " GROUP BY " + t.host, query);
  for (bool row = true; status.ok();) {
    status = query.step(row);
    if (!status.ok() || !row) break;
    hosts.emplace_back(query.columnText(0), static_cast<std::uint64_t>(query.columnInt64(1)));
  }
  return status;
}

// The hosts to delete go into a table of the connection's own temporary database, never into
// the store's file, so one pass over the cookies finds them without an index on the host.
SqlStatus deleteHosts(Database& db, const CookieTable& t, const std::vector<std::string>& hosts,
                      std::uint64_t& removed) {
  SqlStatus status = db.execute("CREATE TEMP TABLE IF NOT EXISTS gone_hosts(host TEXT PRIMARY KEY)");
  Statement insert;
  if (status.ok()) status = db.prepare("INSERT OR IGNORE INTO temp.gone_hosts VALUES (?1)", insert);
  for (const auto& host : hosts) {
    bool row = false;
    if (status.ok()) status = insert.bindText(1, host);
    if (status.ok()) status = insert.step(row);
    if (status.ok()) status = insert.reset();
  }
  if (status.ok())
    status = db.execute("DELETE FROM " + t.table + " WHERE " + t.host + " IN (SELECT host FROM temp.gone_hosts)");
  if (status.ok()) removed = static_cast<std::uint64_t>(db.changes());
  return status;
}

}  // namespace

StoreOutcome countCookies(const std::string& path, const BrowserProfile& profile, const KeptSites& kept,
                          CookieCount& count) {
  Database db;
  StoreOutcome outcome = openToRead(db, path, profile.browser);
  const CookieTable t = tableOf(profile);
  if (!outcome.ok() || !hasTable(db, t.table)) return outcome;
  std::vector<std::pair<std::string, std::uint64_t>> hosts;
  outcome = outcomeOf(readHosts(db, t, hosts), profile.browser);
  if (!outcome.ok()) return outcome;
  for (const auto& [host, cookies] : hosts) {
    count.cookies += cookies;
    if (std::string site = siteOf(host); !site.empty()) count.sites.insert(std::move(site));
    if (const std::string* site = kept.keptBy(host)) count.kept.insert(*site);
  }
  return outcome;
}

StoreOutcome cleanCookies(const std::string& path, const BrowserProfile& profile, const KeptSites& kept,
                          std::uint64_t& removed) {
  const CookieTable t = tableOf(profile);
  return scrubStore(path, profile.browser, [&](Database& db, std::uint64_t& gone, std::vector<std::string>&) {
    if (!hasTable(db, t.table)) return SqlStatus{};
    std::vector<std::pair<std::string, std::uint64_t>> hosts;
    SqlStatus status = readHosts(db, t, hosts);
    std::vector<std::string> doomed;
    for (const auto& [host, cookies] : hosts)
      if (!kept.keeps(host)) doomed.push_back(host);
    if (status.ok() && !doomed.empty()) status = deleteHosts(db, t, doomed, gone);
    return status;
  }, removed);
}

}  // namespace vellox
