#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>
#include "platform/url_cache.h"

namespace vellox::test {

// An in-memory URL cache with the enumeration contract of the real one: the
// size probe fails with 122 and reports the size, the end is error 259, a
// buffer too small does not advance, and a fill is refused unless the record's
// struct size equals the buffer size. Faults can be scripted; every handle and
// block is counted so a test can see what was left open.
class FakeUrlCache : public UrlCache {
 public:
  struct Entry {
    std::string url;
    std::uint32_t type = kNormalCacheEntry;
    std::size_t padding = 0;  // extra bytes the entry needs beyond its URL
    std::string localFile;    // its copy on disk; empty for none
  };

  FindHandle findFirst(void* buffer, std::uint32_t& size, std::uint32_t& lastError) override;
  bool findNext(FindHandle handle, void* buffer, std::uint32_t& size, std::uint32_t& lastError) override;
  void findClose(FindHandle handle) override;
  void* allocate(std::size_t size) override;
  void release(void* block) override;
  void setStructSize(void* buffer, std::uint32_t size) override;
  std::uint32_t entryType(const void* buffer, std::uint32_t size) const override;
  const char* sourceUrl(const void* buffer, std::uint32_t size) const override;
  const char* localFileName(const void* buffer, std::uint32_t size) const override;
  bool deleteEntry(const std::string& url) override;

  void add(const std::string& url, std::uint32_t type = kNormalCacheEntry, std::size_t padding = 0,
           const std::string& localFile = "") {
    entries.push_back({url, type, padding, localFile});
  }
  std::vector<std::string> urls() const;
  std::size_t neededSize(const Entry& entry) const;

  std::vector<Entry> entries;

  // Scripted faults.
  std::optional<std::uint32_t> probeError;  // the first size probe fails with this error
  bool probeSucceeds = false;               // the first size probe returns a handle
  std::optional<std::size_t> failFetchOf;   // fetching the entry at this index fails
  std::uint32_t failFetchError = 5;
  std::optional<int> refuseAllocation;  // the n-th allocation (from 1) is refused
  std::set<std::string> undeletable;

  // What happened.
  int allocations = 0;
  int liveBlocks = 0;
  int mostLiveBlocks = 0;
  int badReleases = 0;
  int refusedFills = 0;  // fills refused for a wrong struct size
  std::vector<FindHandle> opened, closed;
  std::vector<std::string> deleteCalls;
  int openHandles() const { return static_cast<int>(cursors_.size()); }

 private:
  bool fill(void* buffer, std::uint32_t& size, std::size_t index, std::uint32_t& lastError);

  std::map<FindHandle, std::size_t> cursors_;
  std::set<void*> blocks_;
  FindHandle nextHandle_ = 0x100;
};

}  // namespace vellox::test
