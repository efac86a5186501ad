#include "history/history_store.h"
#include "platform/url_history.h"

namespace vellox {

std::unique_ptr<CURLHistory> historyStore;

void createHistoryStore(Services& services) {
  HResult ignored = kSOk;
  historyStore = CURLHistory::create(services.urlHistory, ignored);
}

HResult ensureHistoryStore(Services& services) {
  if (historyStore) return kSOk;
  HResult hr = kSOk;
  historyStore = CURLHistory::create(services.urlHistory, hr);
  return historyStore ? kSOk : hr;
}

}  // namespace vellox
