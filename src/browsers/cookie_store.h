#pragma once
#include <cstdint>
#include <set>
#include <string>
#include "browsers/browser_cleaning.h"
#include "browsers/store_access.h"

namespace vellox {

// What the cookie stores of one item hold, summed over its databases.
struct CookieCount {
  std::uint64_t cookies = 0;
  std::set<std::string> sites;  // as siteOf gives them
  std::set<std::string> kept;   // kept sites that have cookies here
};

// Adds the database's cookies to `count`.
StoreOutcome countCookies(const std::string& path, const BrowserProfile& profile, const KeptSites& kept,
                          CookieCount& count);

// Deletes every cookie whose host no kept site covers. Only whole rows go: the values,
// encrypted or not, are never read or rewritten.
StoreOutcome cleanCookies(const std::string& path, const BrowserProfile& profile, const KeptSites& kept,
                          std::uint64_t& removed);

}  // namespace vellox
