#include "cache/cache_tab.h"
#include <array>
#include "cache/cache_entries.h"
#include "common/stored_options.h"

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

CacheTab::CacheTab(CacheControls controls, Services& services, const ShredLevel& level, TabHost& host)
    : CacheControls(controls), services_(services), level_(level), host_(host) {
  const auto alive = host.alive();
  bindWhileOpen(cmdDelSelFromCache.onClick, alive, [this] { cmdDelSelFromCache_Click(); });
  bindWhileOpen(cmdDelAllFromCache.onClick, alive, [this] { cmdDelAllFromCache_Click(); });
  bindWhileOpen(cmdinvertcachesel.onClick, alive, [this] { cmdinvertcachesel_Click(); });
}

void CacheTab::loadStored() {
  loadBoxes(services_.settings, std::array<StoredBox, 1>{{{"delcachedpasswords", &chkDelCachedPasswords}}});
}

void CacheTab::saveStored() {
  saveBoxes(services_.settings, std::array<StoredBox, 1>{{{"delcachedpasswords", &chkDelCachedPasswords}}});
}

void CacheTab::loadCacheContents() { GetCacheURLList(); }

void CacheTab::GetCacheURLList() {
  BusyPointer busy(host_.mousePointer());
  ListBoxUpdate update(List1);
  List1.clear();
  for (const CacheEntry& entry : readCacheEntries(services_.urlCache)) List1.add(entry.url);
  // The native list puts its caret on the first item; "Delete Selected" must
  // wait until the user has chosen one.
  List1.setCurrentIndex(-1);
}

}  // namespace vellox
