#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "platform/url_history.h"

namespace vellox::test {

// An in-memory visited-URL store. Stores and enumerators it hands out share its
// state, so they outlive nothing they point at. Record strings come from a
// counting allocator: every free is logged, so a test sees each string freed once.
class FakeUrlHistory : public UrlHistoryService {
 public:
  struct Entry {
    std::optional<std::u16string> url, title;
    std::uint64_t lastVisited = 0, lastUpdated = 0, expires = 0;
    std::uint32_t flags = 0;
  };
  struct Filter {
    std::optional<std::string> prefix;
    std::uint32_t flags;
  };
  struct State {
    std::vector<Entry> entries;
    HResult createResult = kSOk, enumResult = kSOk, filterResult = kSOk, clearResult = kSOk,
            deleteResult = kSOk, addResult = kSOk;
    // Next fails with `nextFailure` when asked for this 0-based record.
    std::optional<std::size_t> nextFailsAt;
    HResult nextFailure = kEFail;
    // The success code of the Next that reports the end.
    HResult endResult = kSFalse;
    int enumCalls = 0, clearCalls = 0;
    int openStores = 0;  // handed out and not yet released
    std::vector<Filter> filters;
    std::vector<std::pair<std::string, std::uint32_t>> deletes;
    std::vector<Entry> added;
    // Runs inside ClearHistory, so a test can look at the window meanwhile.
    std::function<void()> onClear;
  };

  HResult createStore(std::unique_ptr<UrlHistoryStore>& store) override;
  // Local time is UTC plus `localOffsetTicks`; ticks with the top bit set fail.
  double fileTimeToDate(std::uint64_t utcTicks) override;
  std::string dateText(double date) override { return "date " + std::to_string(date); }

  Entry& add(const char16_t* url, const char16_t* title, std::uint32_t flags = 0);

  std::shared_ptr<State> state = std::make_shared<State>();
  std::int64_t localOffsetTicks = 0;
  int dateConversions = 0;
};

// Every string the fake store handed out and not yet freed, and every free in order.
std::size_t liveStoreStrings();
const std::vector<std::u16string>& freedStoreStrings();

}  // namespace vellox::test
