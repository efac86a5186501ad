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

// Appends the normal entries of the cache to `list`, in the enumeration's order.
void appendCacheEntries(UrlCache& cache, ListBox& list) {
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
      list.add(GetStrFromPtrA(cache.sourceUrl(buffer.data(), buffer.size())));
    }
    buffer.reset();
    size = 0;
    cache.findNext(find.get(), nullptr, size, lastError);
    if (size < kMinEntrySize) break;
    buffer = entryBuffer(cache, size);
    if (!buffer || !cache.findNext(find.get(), buffer.data(), size, lastError)) break;
  }
}

}  // namespace

void frmmain::loadCacheContents() { GetCacheURLList(); }

void frmmain::GetCacheURLList() {
  BusyPointer busy(pointer);
  ListBoxUpdate update(List1);
  List1.clear();
  appendCacheEntries(services_.urlCache, List1);
  // The native list puts its caret on the first item; "Delete Selected" must
  // wait until the user has chosen one.
  List1.setCurrentIndex(-1);
}

}  // namespace vellox
