#pragma once
#include <string>
#include <vector>
#include "platform/files.h"
#include "platform/url_cache.h"

namespace vellox {

struct CacheEntry {
  std::string url;        // the source URL's bytes, the entry's key
  std::string localFile;  // its copy on disk; empty when it has none
};

// The normal entries of the cache, in the enumeration's order.
std::vector<CacheEntry> readCacheEntries(UrlCache& cache);

// Whether "Clear Cache" passes the entry over: it holds "Cookie" (exact case) and
// cached passwords are to stay.
bool keptByClearCache(const std::string& url, bool deleteCachedPasswords);

// Removes the entry; with `securePasses` above 0 its local copy is shredded first, so
// the removal does not leave the page's bytes behind on the disk.
bool removeCacheEntry(Files& files, UrlCache& cache, const CacheEntry& entry, int securePasses);

}  // namespace vellox
