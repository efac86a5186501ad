#pragma once
#include <cstdint>
#include <string>
#include "browsers/browser_cleaning.h"
#include "browsers/store_access.h"

namespace vellox {

// The pages the history database holds: Chromium's urls, Firefox's places that were visited.
StoreOutcome countPages(const std::string& path, const BrowserProfile& profile, std::uint64_t& pages);

// Deletes the history and leaves bookmarks as they are; `pages` tells how many pages went
// from the history, as countPages counted them.
StoreOutcome cleanHistory(const std::string& path, const BrowserProfile& profile, std::uint64_t& pages);

}  // namespace vellox
