#include "app/frmmain.h"
#include "cache/get_str_from_ptr.h"
#include "platform/url_cache.h"

namespace vellox {

namespace {

// Redraw stays off while the list box fills.
class ListBoxUpdate {
 public:
  explicit ListBoxUpdate(ListBox& list) : list_(list) { list_.beginUpdate(); }
  ~ListBoxUpdate() { list_.endUpdate(); }
  ListBoxUpdate(const ListBoxUpdate&) = delete;
  ListBoxUpdate& operator=(const ListBoxUpdate&) = delete;

 private:
  ListBox& list_;
};

// The smallest size a further entry can report; below it there is none.
constexpr std::uint32_t kMinEntrySize = 4;

CacheEntryBuffer entryBuffer(UrlCache& cache, std::uint32_t size) {
  CacheEntryBuffer buffer(cache, size);
  if (buffer) cache.setStructSize(buffer.data(), buffer.size());
  return buffer;
}

}  // namespace

void frmmain::loadCacheContents() { GetCacheURLList(); }

void frmmain::GetCacheURLList() {
  BusyPointer busy(pointer);
  ListBoxUpdate update(List1);
  List1.clear();

  UrlCache& cache = services_.urlCache;
  std::uint32_t size = 0;
  std::uint32_t lastError = 0;
  // Declared before the buffer, so the buffer goes first and the handle after it.
  CacheFind find(cache, cache.findFirst(nullptr, size, lastError));
  if (find || lastError != kErrorInsufficientBuffer) return;
  CacheEntryBuffer buffer = entryBuffer(cache, size);
  if (!buffer) return;
  find = CacheFind(cache, cache.findFirst(buffer.data(), size, lastError));
  if (!find) return;

  for (;;) {
    if (cache.entryType(buffer.data(), buffer.size()) & kNormalCacheEntry) {
      List1.add(GetStrFromPtrA(cache.sourceUrl(buffer.data(), buffer.size())));
    }
    buffer.reset();
    size = 0;
    cache.findNext(find.get(), nullptr, size, lastError);
    if (size < kMinEntrySize) break;
    buffer = entryBuffer(cache, size);
    if (!buffer || !cache.findNext(find.get(), buffer.data(), size, lastError)) break;
  }
}

}  // namespace vellox
