#include "cache/cache_tab.h"
#include <map>
#include "cache/cache_entries.h"

namespace vellox {

namespace {

// The local copies of the entries, by URL, when a secure clear needs them.
std::map<std::string, std::string> localFiles(UrlCache& cache, int securePasses) {
  std::map<std::string, std::string> files;
  if (securePasses > 0)
    for (auto& entry : readCacheEntries(cache)) files[entry.url] = std::move(entry.localFile);
  return files;
}

CacheEntry entryOf(const std::string& url, const std::map<std::string, std::string>& files) {
  auto it = files.find(url);
  return {url, it == files.end() ? std::string() : it->second};
}

}  // namespace

void CacheTab::cmdDelSelFromCache_Click() {
  const long long current = List1.currentIndex();
  if (current >= 0 && static_cast<unsigned long long>(current) < List1.count()) {
    const int passes = level_.securePasses();
    const std::string url = List1.text(static_cast<std::size_t>(current));
    removeCacheEntry(services_.files, services_.urlCache, entryOf(url, localFiles(services_.urlCache, passes)),
                     passes);
  }
  GetCacheURLList();
}

void CacheTab::cmdDelAllFromCache_Click() {
  host_.setStatus("Clearing cache...");
  // The loop does not yield, so paint the status before it starts.
  host_.repaint();
  deletecache();
  host_.setStatus("");
}

void CacheTab::deletecache() {
  BusyPointer busy(host_.mousePointer());
  const bool deletePasswords = chkDelCachedPasswords.value() == 1;
  const int passes = level_.securePasses();
  const auto files = localFiles(services_.urlCache, passes);
  const std::size_t count = List1.count();
  for (std::size_t i = 0; i < count; ++i) {
    const std::string url = List1.text(i);
    if (keptByClearCache(url, deletePasswords)) continue;
    removeCacheEntry(services_.files, services_.urlCache, entryOf(url, files), passes);
  }
  GetCacheURLList();
}

void CacheTab::cmdinvertcachesel_Click() { invertsel(); }

void CacheTab::invertsel() {
  const std::size_t count = List1.count();
  for (std::size_t i = 0; i < count; ++i) List1.setSelected(i, !List1.selected(i));
}

}  // namespace vellox
