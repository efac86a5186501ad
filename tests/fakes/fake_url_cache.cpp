#include "fakes/fake_url_cache.h"
#include <cstdlib>
#include <cstring>

namespace vellox::test {

namespace {
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorInvalidParameter = 87;

// The fake's own record layout: the strings follow it, as in the real one.
struct Record {
  std::uint32_t structSize;
  std::uint32_t type;
  const char* url;
  const char* localFile;
};

// A text the record points at, only when it lies whole inside the buffer.
const char* textInside(const void* buffer, std::uint32_t size, const char* text) {
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer);
  const auto at = reinterpret_cast<std::uintptr_t>(text);
  if (text == nullptr || at < begin || at >= begin + size) return nullptr;
  return std::memchr(text, 0, begin + size - at) ? text : nullptr;
}
}  // namespace

std::size_t FakeUrlCache::neededSize(const Entry& entry) const {
  return sizeof(Record) + entry.url.size() + 1 + (entry.localFile.empty() ? 0 : entry.localFile.size() + 1) +
         entry.padding;
}

std::vector<std::string> FakeUrlCache::urls() const {
  std::vector<std::string> result;
  for (const auto& entry : entries) result.push_back(entry.url);
  return result;
}

bool FakeUrlCache::fill(void* buffer, std::uint32_t& size, std::size_t index, std::uint32_t& lastError) {
  const Entry& entry = entries[index];
  const std::size_t needed = neededSize(entry);
  if (buffer == nullptr || size < needed) {
    size = static_cast<std::uint32_t>(needed);
    lastError = kErrorInsufficientBuffer;
    return false;
  }
  Record record{};
  std::memcpy(&record, buffer, sizeof record);
  if (record.structSize != size) {
    ++refusedFills;
    lastError = kErrorInvalidParameter;
    return false;
  }
  char* text = static_cast<char*>(buffer) + sizeof(Record);
  std::memcpy(text, entry.url.c_str(), entry.url.size() + 1);
  record.type = entry.type;
  record.url = text;
  record.localFile = nullptr;
  if (!entry.localFile.empty()) {
    record.localFile = text + entry.url.size() + 1;
    std::memcpy(text + entry.url.size() + 1, entry.localFile.c_str(), entry.localFile.size() + 1);
  }
  std::memcpy(buffer, &record, sizeof record);
  lastError = 0;
  return true;
}

UrlCache::FindHandle FakeUrlCache::findFirst(void* buffer, std::uint32_t& size, std::uint32_t& lastError) {
  const bool probe = buffer == nullptr;
  if (probe && probeError) {
    lastError = *probeError;
    return 0;
  }
  if (probe && probeSucceeds) {
    cursors_[++nextHandle_] = 0;
    opened.push_back(nextHandle_);
    lastError = 0;
    return nextHandle_;
  }
  if (entries.empty()) {
    lastError = kErrorNoMoreItems;
    return 0;
  }
  if (!fill(buffer, size, 0, lastError)) return 0;
  cursors_[++nextHandle_] = 1;
  opened.push_back(nextHandle_);
  return nextHandle_;
}

bool FakeUrlCache::findNext(FindHandle handle, void* buffer, std::uint32_t& size, std::uint32_t& lastError) {
  auto it = cursors_.find(handle);
  if (it == cursors_.end()) {
    lastError = kErrorInvalidHandle;
    return false;
  }
  std::size_t& cursor = it->second;
  if (cursor >= entries.size()) {
    lastError = kErrorNoMoreItems;
    return false;
  }
  if (buffer != nullptr && failFetchOf == cursor) {
    lastError = failFetchError;
    return false;
  }
  if (!fill(buffer, size, cursor, lastError)) return false;
  ++cursor;
  return true;
}

void FakeUrlCache::findClose(FindHandle handle) {
  closed.push_back(handle);
  cursors_.erase(handle);
}

void* FakeUrlCache::allocate(std::size_t size) {
  ++allocations;
  if (refuseAllocation == allocations) return nullptr;
  void* block = std::malloc(size == 0 ? 1 : size);
  blocks_.insert(block);
  ++liveBlocks;
  if (liveBlocks > mostLiveBlocks) mostLiveBlocks = liveBlocks;
  return block;
}

void FakeUrlCache::release(void* block) {
  if (blocks_.erase(block) == 0) {
    ++badReleases;
    return;
  }
  --liveBlocks;
  std::free(block);
}

void FakeUrlCache::setStructSize(void* buffer, std::uint32_t size) {
  if (size >= sizeof(std::uint32_t)) std::memcpy(buffer, &size, sizeof size);
}

std::uint32_t FakeUrlCache::entryType(const void* buffer, std::uint32_t size) const {
  if (size < sizeof(Record)) return 0;
  Record record;
  std::memcpy(&record, buffer, sizeof record);
  return record.type;
}

const char* FakeUrlCache::sourceUrl(const void* buffer, std::uint32_t size) const {
  if (size < sizeof(Record)) return nullptr;
  Record record;
  std::memcpy(&record, buffer, sizeof record);
  return textInside(buffer, size, record.url);
}

const char* FakeUrlCache::localFileName(const void* buffer, std::uint32_t size) const {
  if (size < sizeof(Record)) return nullptr;
  Record record;
  std::memcpy(&record, buffer, sizeof record);
  return textInside(buffer, size, record.localFile);
}

bool FakeUrlCache::deleteEntry(const std::string& url) {
  deleteCalls.push_back(url);
  if (undeletable.count(url)) return false;
  for (auto it = entries.begin(); it != entries.end(); ++it) {
    if (it->url == url) {
      entries.erase(it);
      return true;
    }
  }
  return false;
}

}  // namespace vellox::test
