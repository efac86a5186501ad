#include "app/frmmain.h"
#include "cache/cache_entries.h"

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

}  // namespace

void frmmain::loadCacheContents() { GetCacheURLList(); }

void frmmain::GetCacheURLList() {
  BusyPointer busy(pointer);
  ListBoxUpdate update(List1);
  List1.clear();
  for (const CacheEntry& entry : readCacheEntries(services_.urlCache)) List1.add(entry.url);
  // The native list puts its caret on the first item; "Delete Selected" must
  // wait until the user has chosen one.
  List1.setCurrentIndex(-1);
}

}  // namespace vellox
