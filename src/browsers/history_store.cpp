#include "browsers/history_store.h"
#include "browsers/history_clearing.h"

namespace vellox {

using namespace sqlite;

namespace {

std::string nameOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool firefox(const BrowserProfile& profile) { return profile.family == BrowserFamily::Firefox; }

}  // namespace

bool isFaviconStore(const std::string& path) {
  const std::string name = nameOf(path);
  return name == "Favicons" || name == "favicons.sqlite";
}

StoreOutcome countPages(const std::string& path, const BrowserProfile& profile, std::uint64_t& pages) {
  pages = 0;
  Database db;
  StoreOutcome outcome = openToRead(db, path, profile.browser);
  if (!outcome.ok() || isFaviconStore(path)) return outcome;
  SqlStatus status;
  if (firefox(profile) && hasTable(db, "moz_historyvisits"))
    status = countOf(db, "SELECT count(DISTINCT place_id) FROM moz_historyvisits", pages);
  else if (!firefox(profile) && hasTable(db, "urls"))
    status = countOf(db, "SELECT count(*) FROM urls", pages);
  return outcomeOf(status, profile.browser);
}

StoreOutcome cleanHistory(const std::string& path, const BrowserProfile& profile, std::uint64_t& pages) {
  return scrubStore(path, profile.browser, firefox(profile) ? clearFirefoxPlaces : clearChromiumHistory, pages);
}

StoreOutcome cleanFavicons(const std::string& path, const BrowserProfile& profile,
                           const std::vector<std::string>& kept) {
  std::uint64_t none = 0;
  return scrubStore(path, profile.browser, [&](Database& db, std::uint64_t&, std::vector<std::string>& notes) {
    return firefox(profile) ? clearFirefoxFavicons(db, kept, notes) : clearChromiumFavicons(db, kept, notes);
  }, none);
}

}  // namespace vellox
