#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "history/url_history_item.h"
#include "platform/url_history.h"

namespace vellox {

// A snapshot of the visited-URL store as an ordered list of items, which
// forwards additions, deletions and clearing to the store. Positions are 1-based.
class CURLHistory {
 public:
  // Opens the store and reads it once. Null, with `result` the error, when the
  // store cannot be opened; a failing first read still gives the collection.
  static std::unique_ptr<CURLHistory> create(UrlHistoryService& service, HResult& result);
  CURLHistory(const CURLHistory&) = delete;
  CURLHistory& operator=(const CURLHistory&) = delete;

  // The list is not refreshed: the entry shows after the next Refresh.
  HResult AddURL(const std::string& URL, const std::string& Title, std::int32_t Flags);
  std::size_t Count() const { return mItems.size(); }
  HResult Clear();
  HResult Refresh(const std::string& URLStartsWith, std::int32_t Flags);
  // Null outside 1 to Count.
  std::shared_ptr<URLHistoryItem> Item(std::size_t Index) const;
  HResult Remove(std::size_t Index);
  HResult DeleteURL(const std::string& URL, std::int32_t Flags);
  // The items in list order; the enumeration stays valid across a Refresh.
  std::vector<std::shared_ptr<URLHistoryItem>> NewEnum() const { return mItems; }

 private:
  CURLHistory(UrlHistoryService& service, std::unique_ptr<UrlHistoryStore> store)
      : service_(service), mStore(std::move(store)) {}

  UrlHistoryService& service_;
  std::unique_ptr<UrlHistoryStore> mStore;
  std::vector<std::shared_ptr<URLHistoryItem>> mItems;
};

}  // namespace vellox
