#include "history/history_store.h"
#include "platform/url_history.h"

namespace vellox {

void createHistoryStore(std::unique_ptr<CURLHistory>& historyStore, Services& services) {
  HResult ignored = kSOk;
  historyStore = CURLHistory::create(services.urlHistory, ignored);
}

HResult ensureHistoryStore(std::unique_ptr<CURLHistory>& historyStore, Services& services) {
  if (historyStore) return kSOk;
  HResult hr = kSOk;
  historyStore = CURLHistory::create(services.urlHistory, hr);
  return historyStore ? kSOk : hr;
}

}  // namespace vellox
