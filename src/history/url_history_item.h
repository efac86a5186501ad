#pragma once
#include <cstdint>
#include <string>
#include "platform/url_history.h"

namespace vellox {

// One entry of the history snapshot. It keeps the store's record as it came and
// converts strings and times only when they are read.
class URLHistoryItem {
 public:
  explicit URLHistoryItem(UrlHistoryService& dates) : dates_(dates) {}
  URLHistoryItem(const URLHistoryItem&) = delete;
  URLHistoryItem& operator=(const URLHistoryItem&) = delete;

  double LastVisited() const { return dates_.fileTimeToDate(mStat.ftLastVisited); }
  double Expires() const { return dates_.fileTimeToDate(mStat.ftExpires); }
  double LastUpdated() const { return dates_.fileTimeToDate(mStat.ftLastUpdated); }
  std::string URL() const { return GetStrFromPtrW(mStat.pwcsUrl()); }
  std::int32_t Flags() const { return static_cast<std::int32_t>(mStat.dwFlags); }
  std::string Title() const { return GetStrFromPtrW(mStat.pwcsTitle()); }

 private:
  friend class CURLHistory;
  // Set once, by the collection, right after it made the item.
  void InitFromSTATURL(StatUrl&& record);
  static std::string GetStrFromPtrW(const char16_t* pointer);

  UrlHistoryService& dates_;
  StatUrl mStat;
  bool initialised_ = false;
};

}  // namespace vellox
