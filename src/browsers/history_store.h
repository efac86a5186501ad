#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "browsers/browser_cleaning.h"
#include "browsers/store_access.h"

namespace vellox {

// Chromium's "Favicons" and Firefox's favicons.sqlite, which go with the history.
bool isFaviconStore(const std::string& path);

// The pages the history database holds: Chromium's urls, Firefox's places that were visited.
// An icon store holds no pages.
StoreOutcome countPages(const std::string& path, const BrowserProfile& profile, std::uint64_t& pages);

// Deletes the history and leaves bookmarks as they are; `pages` tells how many pages went
// from the history, as countPages counted them.
StoreOutcome cleanHistory(const std::string& path, const BrowserProfile& profile, std::uint64_t& pages);

// Deletes the icons of every page but `kept` (the bookmarked ones, as full URLs).
StoreOutcome cleanFavicons(const std::string& path, const BrowserProfile& profile, const std::vector<std::string>& kept);

}  // namespace vellox
