#include <gtest/gtest.h>
#include <cstddef>
#include <cstring>
#include <set>
#include "cache/get_str_from_ptr.h"
#include "platform/win32/win32_services.h"
#include "url_cache_support.h"

namespace vellox::test {
namespace {

struct Walk {
  std::vector<std::string> urls;  // every entry, whatever its type
  std::uint32_t endError = 0;
};

// Walks the whole cache with the size probe before each entry; with `shortFirst`
// each entry is first asked for with one byte too few, which must not advance.
Walk walk(UrlCache& cache, bool shortFirst) {
  Walk result;
  std::uint32_t size = 0, error = 0;
  CacheFind probe(cache, cache.findFirst(nullptr, size, error));
  EXPECT_FALSE(probe);
  if (error == kErrorNoMoreItems) return {{}, error};  // an empty cache
  EXPECT_EQ(error, kErrorInsufficientBuffer);
  CacheEntryBuffer buffer(cache, size);
  cache.setStructSize(buffer.data(), buffer.size());
  CacheFind find(cache, cache.findFirst(buffer.data(), size, error));
  if (!find) return result;
  for (;;) {
    result.urls.push_back(GetStrFromPtrA(cache.sourceUrl(buffer.data(), buffer.size())));
    buffer.reset();
    size = 0;
    if (cache.findNext(find.get(), nullptr, size, error)) ADD_FAILURE() << "a probe without room succeeded";
    if (size < 4) break;
    if (shortFirst) {
      CacheEntryBuffer small(cache, size - 1);
      cache.setStructSize(small.data(), small.size());
      std::uint32_t smallSize = small.size();
      EXPECT_FALSE(cache.findNext(find.get(), small.data(), smallSize, error));
      EXPECT_EQ(error, kErrorInsufficientBuffer);
      EXPECT_EQ(smallSize, size);
    }
    buffer = CacheEntryBuffer(cache, size);
    cache.setStructSize(buffer.data(), buffer.size());
    if (!cache.findNext(find.get(), buffer.data(), size, error)) break;
  }
  result.endError = error;
  return result;
}

TEST(Win32UrlCache, ProbesReportSizesAndAShortBufferDoesNotAdvance) {
  CommittedEntries entries;
  const std::string token = uniqueToken();
  std::vector<std::string> mine;
  for (int i = 0; i < 5; ++i) {
    mine.push_back("http://walk.test/" + token + "/" + std::to_string(i) + "/" + std::string(100 * i, 'q'));
    ASSERT_TRUE(entries.commit(mine.back()));
  }
  auto cache = win32::makeUrlCache();
  const Walk plain = walk(*cache, false);
  const Walk careful = walk(*cache, true);
  EXPECT_EQ(plain.urls, careful.urls);
  EXPECT_EQ(plain.endError, kErrorNoMoreItems);
  const auto found = containing(plain.urls, token);
  EXPECT_EQ(std::set<std::string>(found.begin(), found.end()), std::set<std::string>(mine.begin(), mine.end()));
}

TEST(Win32UrlCache, DeletesByExactBytesAndReportsUnknownUrls) {
  CommittedEntries entries;
  const std::string url = "http://delete.test/" + uniqueToken() + "/a";
  ASSERT_TRUE(entries.commit(url));
  auto cache = win32::makeUrlCache();
  EXPECT_FALSE(cache->deleteEntry(url + "b"));
  EXPECT_TRUE(cache->deleteEntry(url));
  EXPECT_FALSE(cache->deleteEntry(url));
  EXPECT_TRUE(containing(walk(*cache, false).urls, url).empty());
}

TEST(Win32UrlCache, AccessorsNeverReadOutsideTheBuffer) {
  auto cache = win32::makeUrlCache();
  alignas(INTERNET_CACHE_ENTRY_INFOA) char buffer[sizeof(INTERNET_CACHE_ENTRY_INFOA) + 16] = {};
  auto* record = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer);
  char* text = buffer + sizeof(INTERNET_CACHE_ENTRY_INFOA);
  const auto whole = static_cast<std::uint32_t>(sizeof buffer);
  std::memcpy(text, "http://in/", 11);
  record->lpszSourceUrlName = text;
  record->CacheEntryType = NORMAL_CACHE_ENTRY | STICKY_CACHE_ENTRY;

  cache->setStructSize(buffer, whole);
  EXPECT_EQ(record->dwStructSize, whole);
  EXPECT_EQ(cache->entryType(buffer, whole), static_cast<std::uint32_t>(NORMAL_CACHE_ENTRY | STICKY_CACHE_ENTRY));
  EXPECT_EQ(cache->sourceUrl(buffer, whole), text);

  const auto header = static_cast<std::uint32_t>(offsetof(INTERNET_CACHE_ENTRY_INFOA, CacheEntryType));
  EXPECT_EQ(cache->entryType(buffer, header), 0u);  // the field is cut off
  EXPECT_EQ(cache->sourceUrl(buffer, whole - 8), nullptr);  // its NUL lies beyond the buffer
  static char outside[] = "http://out/";
  record->lpszSourceUrlName = outside;
  EXPECT_EQ(cache->sourceUrl(buffer, whole), nullptr);
  record->lpszSourceUrlName = nullptr;
  EXPECT_EQ(cache->sourceUrl(buffer, whole), nullptr);
}

}  // namespace
}  // namespace vellox::test
