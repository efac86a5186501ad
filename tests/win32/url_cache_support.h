#pragma once
#include <windows.h>
#include <wininet.h>
#include <map>
#include <string>
#include <vector>
#include "platform/url_cache.h"
#include "platform/win32/handle.h"

namespace vellox::test {

// Entries this test put into the prefix's URL cache; removed again when dropped.
class CommittedEntries {
 public:
  CommittedEntries() = default;
  CommittedEntries(const CommittedEntries&) = delete;
  CommittedEntries& operator=(const CommittedEntries&) = delete;
  ~CommittedEntries() {
    for (const auto& url : urls_) DeleteUrlCacheEntryA(url.c_str());
  }

  // Stores a small local copy and commits it as an entry of `type`.
  bool commit(const std::string& url, DWORD type = NORMAL_CACHE_ENTRY) {
    char file[MAX_PATH] = {};
    if (!CreateUrlCacheEntryA(url.c_str(), 16, "txt", file, 0)) return false;
    {
      win32::UniqueHandle h(CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!h) return false;
      DWORD written = 0;
      WriteFile(h.get(), "cached", 6, &written, nullptr);
    }
    FILETIME none{};
    const char header[] = "HTTP/1.1 200 OK\r\n\r\n";
    if (!CommitUrlCacheEntryA(url.c_str(), file, none, none, type, reinterpret_cast<LPBYTE>(const_cast<char*>(header)),
                              sizeof header - 1, "txt", nullptr))
      return false;
    urls_.push_back(url);
    files_[url] = file;
    return true;
  }
  std::string localFile(const std::string& url) const {
    auto it = files_.find(url);
    return it == files_.end() ? std::string() : it->second;
  }

 private:
  std::vector<std::string> urls_;
  std::map<std::string, std::string> files_;
};

// A word no other test's URLs hold, so a test looks only at its own entries.
inline std::string uniqueToken() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  std::string token = "t";
  token += std::to_string(GetCurrentProcessId());
  token += 'x';
  token += std::to_string(counter.QuadPart);
  return token;
}

inline std::vector<std::string> containing(const std::vector<std::string>& items, const std::string& token) {
  std::vector<std::string> found;
  for (const auto& item : items)
    if (item.find(token) != std::string::npos) found.push_back(item);
  return found;
}

}  // namespace vellox::test
