#include "app/frmmain.h"
#include <string_view>
#include "platform/url_cache.h"

namespace vellox {

namespace {
// Entries holding this text, exact case, are kept by "Clear Cache" unless the
// user asked for cached passwords to go too.
constexpr std::string_view kSparedText = "Cookie";
}  // namespace

void frmmain::cmdDelSelFromCache_Click() {
  const long long current = List1.currentIndex();
  if (current >= 0 && static_cast<unsigned long long>(current) < List1.count()) {
    services_.urlCache.deleteEntry(List1.text(static_cast<std::size_t>(current)));
  }
  GetCacheURLList();
}

void frmmain::cmdDelAllFromCache_Click() {
  sbar.setText("Clearing cache...");
  // The loop does not yield, so paint the status before it starts.
  view_->repaint();
  deletecache();
  sbar.setText("");
}

void frmmain::deletecache() {
  BusyPointer busy(pointer);
  const bool spareCookies = chkDelCachedPasswords.value() != 1;
  const std::size_t count = List1.count();
  for (std::size_t i = 0; i < count; ++i) {
    const std::string url = List1.text(i);
    if (spareCookies && url.find(kSparedText) != std::string::npos) continue;
    services_.urlCache.deleteEntry(url);
  }
  GetCacheURLList();
}

void frmmain::cmdinvertcachesel_Click() { invertsel(); }

void frmmain::invertsel() {
  const std::size_t count = List1.count();
  for (std::size_t i = 0; i < count; ++i) List1.setSelected(i, !List1.selected(i));
}

}  // namespace vellox
