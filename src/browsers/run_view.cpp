#include "browsers/run_view.h"
#include <memory>
#include <string>

namespace vellox {

std::function<bool()> showRunIn(BrowserRun& run, TabHost& host, ListView& list, int foundColumn) {
  std::weak_ptr<const bool> alive = host.alive();
  const auto live = [alive] {
    auto flag = alive.lock();
    return flag && *flag;
  };
  run.onStatus = [&host, live](const std::string& text) {
    if (live()) host.setStatus(text);
  };
  run.onFound = [&list, live, foundColumn](const std::string& key, const std::string& text) {
    if (!live()) return;
    for (std::size_t row = 0; row < list.count(); ++row)
      if (list.key(row) == key) list.setSubItem(row, foundColumn, text);
  };
  run.owner = [&host, live]() -> std::uintptr_t { return live() && host.visible() ? host.owner() : 0; };
  return live;
}

}  // namespace vellox
