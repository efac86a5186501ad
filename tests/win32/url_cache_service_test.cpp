#include <gtest/gtest.h>
#include <cstddef>
#include <cstring>
#include <memory>
#include "contracts/url_cache_contract.h"
#include "platform/win32/win32_services.h"
#include "url_cache_support.h"

namespace vellox::test {
namespace {

struct RealUrlCacheSide {
  UrlCache& cache() { return *cache_; }
  bool add(const std::string& url) { return entries_.commit(url); }
  std::string localFile(const std::string& url) const { return entries_.localFile(url); }
  const std::string& token() const { return token_; }
  CommittedEntries entries_;
  std::string token_ = uniqueToken();
  std::unique_ptr<UrlCache> cache_ = win32::makeUrlCache();
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, UrlCacheContract, RealUrlCacheSide);

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
