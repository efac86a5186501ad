#include "history/curl_history.h"

namespace vellox {

std::unique_ptr<CURLHistory> CURLHistory::create(UrlHistoryService& service, HResult& result) {
  std::unique_ptr<UrlHistoryStore> store;
  result = service.createStore(store);
  if (failed(result) || !store) {
    if (!failed(result)) result = kEFail;
    return nullptr;
  }
  std::unique_ptr<CURLHistory> history(new CURLHistory(service, std::move(store)));
  result = history->Refresh("", 0);
  return history;
}

HResult CURLHistory::AddURL(const std::string& URL, const std::string& Title, std::int32_t Flags) {
  return mStore->addUrl(URL, Title, static_cast<std::uint32_t>(Flags));
}

HResult CURLHistory::Clear() {
  HResult hr = mStore->clearHistory();
  if (failed(hr)) return hr;
  return Refresh("", 0);
}

HResult CURLHistory::Refresh(const std::string& URLStartsWith, std::int32_t Flags) {
  std::unique_ptr<UrlHistoryEnum> enumerator;
  HResult hr = mStore->enumUrls(enumerator);
  if (failed(hr)) return hr;
  if (!enumerator) return kEFail;
  std::optional<std::string> prefix;
  if (!URLStartsWith.empty()) prefix = URLStartsWith;
  hr = enumerator->setFilter(prefix, static_cast<std::uint32_t>(Flags));
  if (failed(hr)) return hr;

  mItems.clear();
  for (;;) {
    StatUrl record;
    std::uint32_t fetched = 0;
    hr = enumerator->next(record, fetched);
    if (failed(hr)) return hr;
    if (fetched == 0) break;
    auto item = std::make_shared<URLHistoryItem>(service_);
    item->InitFromSTATURL(std::move(record));
    mItems.push_back(std::move(item));
  }
  return kSOk;
}

std::shared_ptr<URLHistoryItem> CURLHistory::Item(std::size_t Index) const {
  if (Index < 1 || Index > mItems.size()) return nullptr;
  return mItems[Index - 1];
}

HResult CURLHistory::Remove(std::size_t Index) {
  auto item = Item(Index);
  if (!item) return kEInvalidArg;
  HResult hr = mStore->deleteUrl(item->URL(), 0);
  if (failed(hr)) return hr;
  mItems.erase(mItems.begin() + static_cast<std::ptrdiff_t>(Index - 1));
  return kSOk;
}

HResult CURLHistory::DeleteURL(const std::string& URL, std::int32_t Flags) {
  HResult hr = mStore->deleteUrl(URL, static_cast<std::uint32_t>(Flags));
  if (failed(hr)) return hr;
  return Refresh("", 0);
}

}  // namespace vellox
