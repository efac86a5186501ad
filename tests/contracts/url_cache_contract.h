#pragma once
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include "cache/get_str_from_ptr.h"
#include "platform/url_cache.h"

namespace vellox::test {

// What the cache page relies on from the URL cache. A side gives cache(),
// add(url) (a normal entry with a local copy), localFile(url) (that copy's path) and token(),
// a word no other entry's URL holds: the real cache is shared with the rest of the prefix.
template <class Side>
class UrlCacheContract : public ::testing::Test {
 protected:
  struct Walk {
    std::vector<std::string> urls;  // the side's own entries, whatever their type
    std::vector<std::uint32_t> types;
    std::vector<std::string> localFiles;
    std::uint32_t endError = 0;
  };

  // Walks the whole cache with the size probe before each entry; with `shortFirst`
  // each entry is first asked for with one byte too few, which must not advance.
  Walk walk(bool shortFirst) {
    UrlCache& cache = side.cache();
    Walk result;
    std::uint32_t size = 0, error = 0;
    CacheFind probe(cache, cache.findFirst(nullptr, size, error));
    EXPECT_FALSE(probe);
    if (error == kErrorNoMoreItems) return {{}, {}, {}, error};  // an empty cache
    EXPECT_EQ(error, kErrorInsufficientBuffer);
    CacheEntryBuffer buffer(cache, size);
    cache.setStructSize(buffer.data(), buffer.size());
    CacheFind find(cache, cache.findFirst(buffer.data(), size, error));
    if (!find) return result;
    for (;;) {
      const std::string url = GetStrFromPtrA(cache.sourceUrl(buffer.data(), buffer.size()));
      if (url.find(side.token()) != std::string::npos) {
        result.urls.push_back(url);
        result.types.push_back(cache.entryType(buffer.data(), buffer.size()));
        result.localFiles.push_back(GetStrFromPtrA(cache.localFileName(buffer.data(), buffer.size())));
      }
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

  Side side;
};

TYPED_TEST_SUITE_P(UrlCacheContract);

TYPED_TEST_P(UrlCacheContract, ProbesReportSizesAndAShortBufferDoesNotAdvance) {
  std::vector<std::string> mine;
  for (int i = 0; i < 5; ++i) {
    mine.push_back("http://walk.test/" + this->side.token() + "/" + std::to_string(i) + "/" +
                   std::string(100 * static_cast<std::size_t>(i), 'q'));
    ASSERT_TRUE(this->side.add(mine.back()));
  }
  const auto plain = this->walk(false);
  const auto careful = this->walk(true);
  EXPECT_EQ(plain.urls, careful.urls);
  EXPECT_EQ(plain.endError, kErrorNoMoreItems);
  EXPECT_EQ(std::set<std::string>(plain.urls.begin(), plain.urls.end()), std::set<std::string>(mine.begin(), mine.end()));
  for (auto type : plain.types) EXPECT_TRUE(type & kNormalCacheEntry) << type;
  // The local copy is what a secure clear overwrites before the entry goes.
  ASSERT_EQ(plain.localFiles.size(), plain.urls.size());
  for (std::size_t i = 0; i < plain.urls.size(); ++i)
    EXPECT_EQ(plain.localFiles[i], this->side.localFile(plain.urls[i])) << plain.urls[i];
}

TYPED_TEST_P(UrlCacheContract, DeletesByExactBytesAndReportsUnknownUrls) {
  const std::string url = "http://delete.test/" + this->side.token() + "/a";
  ASSERT_TRUE(this->side.add(url));
  UrlCache& cache = this->side.cache();
  EXPECT_FALSE(cache.deleteEntry(url + "b"));
  EXPECT_FALSE(cache.deleteEntry("HTTP://DELETE.TEST/" + this->side.token() + "/a"));
  EXPECT_TRUE(cache.deleteEntry(url));
  EXPECT_FALSE(cache.deleteEntry(url));
  EXPECT_TRUE(this->walk(false).urls.empty());
}

REGISTER_TYPED_TEST_SUITE_P(UrlCacheContract, ProbesReportSizesAndAShortBufferDoesNotAdvance,
                            DeletesByExactBytesAndReportsUnknownUrls);

}  // namespace vellox::test
