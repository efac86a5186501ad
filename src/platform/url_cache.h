#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace vellox {

inline constexpr std::uint32_t kErrorInsufficientBuffer = 122;
inline constexpr std::uint32_t kErrorNoMoreItems = 259;
inline constexpr std::uint32_t kNormalCacheEntry = 1;

// The browser's URL cache, as its enumeration calls behave: a call given too
// small a buffer fails with kErrorInsufficientBuffer, reports the size it needs
// in `size` and does not advance. Entry buffers come from the cache's own heap;
// the entry inside them is read through the accessors, which know its layout.
class UrlCache {
 public:
  using FindHandle = std::uintptr_t;  // 0 is no handle

  virtual ~UrlCache() = default;

  // Starts an enumeration of every entry (no search pattern). `lastError` is the
  // thread's last error, read right after the call.
  virtual FindHandle findFirst(void* buffer, std::uint32_t& size, std::uint32_t& lastError) = 0;
  virtual bool findNext(FindHandle handle, void* buffer, std::uint32_t& size, std::uint32_t& lastError) = 0;
  virtual void findClose(FindHandle handle) = 0;

  // A fixed block of `size` bytes; null when the heap refuses.
  virtual void* allocate(std::size_t size) = 0;
  virtual void release(void* block) = 0;

  // The entry record at the start of a buffer of `size` bytes. The accessors
  // never read outside the buffer: a field that does not fit reads as 0, and a
  // URL that does not lie whole inside the buffer reads as null.
  virtual void setStructSize(void* buffer, std::uint32_t size) = 0;
  virtual std::uint32_t entryType(const void* buffer, std::uint32_t size) const = 0;
  virtual const char* sourceUrl(const void* buffer, std::uint32_t size) const = 0;
  // The entry's local copy on disk, read like the URL; null when it has none.
  virtual const char* localFileName(const void* buffer, std::uint32_t size) const = 0;

  // Removes the entry whose source URL is exactly these bytes.
  virtual bool deleteEntry(const std::string& url) = 0;
};

// An enumeration handle, closed when dropped.
class CacheFind {
 public:
  CacheFind(UrlCache& cache, UrlCache::FindHandle handle) : cache_(&cache), handle_(handle) {}
  CacheFind(CacheFind&& other) noexcept : cache_(other.cache_), handle_(std::exchange(other.handle_, 0)) {}
  CacheFind& operator=(CacheFind&& other) noexcept {
    if (this != &other) {
      reset();
      cache_ = other.cache_;
      handle_ = std::exchange(other.handle_, 0);
    }
    return *this;
  }
  ~CacheFind() { reset(); }
  explicit operator bool() const { return handle_ != 0; }
  UrlCache::FindHandle get() const { return handle_; }
  void reset() {
    if (handle_ != 0) cache_->findClose(std::exchange(handle_, 0));
  }

 private:
  UrlCache* cache_;
  UrlCache::FindHandle handle_;
};

// One entry buffer of the cache's heap, released when dropped.
class CacheEntryBuffer {
 public:
  CacheEntryBuffer(UrlCache& cache, std::uint32_t size)
      : cache_(&cache), data_(cache.allocate(size)), size_(data_ ? size : 0) {}
  CacheEntryBuffer(CacheEntryBuffer&& other) noexcept
      : cache_(other.cache_), data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
  CacheEntryBuffer& operator=(CacheEntryBuffer&& other) noexcept {
    if (this != &other) {
      reset();
      cache_ = other.cache_;
      data_ = std::exchange(other.data_, nullptr);
      size_ = std::exchange(other.size_, 0);
    }
    return *this;
  }
  ~CacheEntryBuffer() { reset(); }
  explicit operator bool() const { return data_ != nullptr; }
  void* data() const { return data_; }
  std::uint32_t size() const { return size_; }
  void reset() {
    if (data_) cache_->release(std::exchange(data_, nullptr));
    size_ = 0;
  }

 private:
  UrlCache* cache_;
  void* data_;
  std::uint32_t size_;
};

}  // namespace vellox
