#include <windows.h>
#include <wininet.h>
#include <cstddef>
#include <cstring>
#include "platform/win32/win32_services.h"

namespace vellox::win32 {

namespace {

using Record = INTERNET_CACHE_ENTRY_INFOA;

// Reads a field of the record only when the buffer holds it whole.
template <class T>
bool readField(const void* buffer, std::uint32_t size, std::size_t offset, T& value) {
  if (buffer == nullptr || size < offset + sizeof(T)) return false;
  std::memcpy(&value, static_cast<const char*>(buffer) + offset, sizeof(T));
  return true;
}

// A text the record points at: it must lie inside the buffer and end there, or it is not read at all.
const char* textField(const void* buffer, std::uint32_t size, std::size_t offset) {
  LPSTR text = nullptr;
  if (!readField(buffer, size, offset, text) || text == nullptr) return nullptr;
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer);
  const auto at = reinterpret_cast<std::uintptr_t>(text);
  if (at < begin || at >= begin + size) return nullptr;
  return std::memchr(text, 0, begin + size - at) != nullptr ? text : nullptr;
}

class Win32UrlCache : public UrlCache {
 public:
  FindHandle findFirst(void* buffer, std::uint32_t& size, std::uint32_t& lastError) override {
    DWORD room = size;
    HANDLE handle = FindFirstUrlCacheEntryA(nullptr, static_cast<Record*>(buffer), &room);
    lastError = GetLastError();
    size = room;
    return reinterpret_cast<FindHandle>(handle);
  }

  bool findNext(FindHandle handle, void* buffer, std::uint32_t& size, std::uint32_t& lastError) override {
    DWORD room = size;
    const BOOL ok = FindNextUrlCacheEntryA(reinterpret_cast<HANDLE>(handle), static_cast<Record*>(buffer), &room);
    lastError = GetLastError();
    size = room;
    return ok != FALSE;
  }

  void findClose(FindHandle handle) override { FindCloseUrlCache(reinterpret_cast<HANDLE>(handle)); }

  void* allocate(std::size_t size) override { return LocalAlloc(LMEM_FIXED, size); }
  void release(void* block) override { LocalFree(block); }

  void setStructSize(void* buffer, std::uint32_t size) override {
    const DWORD value = size;
    if (buffer != nullptr && size >= offsetof(Record, dwStructSize) + sizeof value) {
      std::memcpy(static_cast<char*>(buffer) + offsetof(Record, dwStructSize), &value, sizeof value);
    }
  }

  std::uint32_t entryType(const void* buffer, std::uint32_t size) const override {
    DWORD type = 0;
    return readField(buffer, size, offsetof(Record, CacheEntryType), type) ? type : 0;
  }

  const char* sourceUrl(const void* buffer, std::uint32_t size) const override {
    return textField(buffer, size, offsetof(Record, lpszSourceUrlName));
  }

  const char* localFileName(const void* buffer, std::uint32_t size) const override {
    return textField(buffer, size, offsetof(Record, lpszLocalFileName));
  }

  bool deleteEntry(const std::string& url) override { return DeleteUrlCacheEntryA(url.c_str()) != FALSE; }
};

}  // namespace

std::unique_ptr<UrlCache> makeUrlCache() { return std::make_unique<Win32UrlCache>(); }

}  // namespace vellox::win32
