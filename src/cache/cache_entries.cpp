#include "cache/cache_entries.h"
#include <string_view>
#include "cache/get_str_from_ptr.h"
#include "wipe/shred_file.h"

namespace vellox {

namespace {

constexpr std::string_view kSparedText = "Cookie";

// The smallest size a further entry can report; below it there is none.
constexpr std::uint32_t kMinEntrySize = 4;

CacheEntryBuffer entryBuffer(UrlCache& cache, std::uint32_t size) {
  CacheEntryBuffer buffer(cache, size);
  if (buffer) cache.setStructSize(buffer.data(), buffer.size());
  return buffer;
}

}  // namespace

std::vector<CacheEntry> readCacheEntries(UrlCache& cache) {
  std::vector<CacheEntry> entries;
  std::uint32_t size = 0;
  std::uint32_t lastError = 0;
  // Declared before the buffer, so the buffer goes first and the handle after it.
  CacheFind find(cache, cache.findFirst(nullptr, size, lastError));
  if (find || lastError != kErrorInsufficientBuffer) return entries;
  CacheEntryBuffer buffer = entryBuffer(cache, size);
  if (!buffer) return entries;
  find = CacheFind(cache, cache.findFirst(buffer.data(), size, lastError));
  if (!find) return entries;

  for (;;) {
    if (cache.entryType(buffer.data(), buffer.size()) & kNormalCacheEntry) {
      entries.push_back({GetStrFromPtrA(cache.sourceUrl(buffer.data(), buffer.size())),
                         GetStrFromPtrA(cache.localFileName(buffer.data(), buffer.size()))});
    }
    buffer.reset();
    size = 0;
    cache.findNext(find.get(), nullptr, size, lastError);
    if (size < kMinEntrySize) break;
    buffer = entryBuffer(cache, size);
    if (!buffer || !cache.findNext(find.get(), buffer.data(), size, lastError)) break;
  }
  return entries;
}

bool keptByClearCache(const std::string& url, bool deleteCachedPasswords) {
  return !deleteCachedPasswords && url.find(kSparedText) != std::string::npos;
}

bool removeCacheEntry(Files& files, UrlCache& cache, const CacheEntry& entry, int securePasses) {
  if (securePasses > 0 && !entry.localFile.empty()) shredFile(files, entry.localFile, securePasses);
  return cache.deleteEntry(entry.url);
}

}  // namespace vellox
