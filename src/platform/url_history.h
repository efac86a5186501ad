#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vellox {

// Result codes in the platform's HRESULT form: negative means failure.
using HResult = std::int32_t;
inline constexpr HResult kSOk = 0;
inline constexpr HResult kSFalse = 1;
inline constexpr HResult kENotImpl = static_cast<HResult>(0x80004001u);
inline constexpr HResult kEFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kEInvalidArg = static_cast<HResult>(0x80070057u);
inline constexpr bool failed(HResult hr) { return hr < 0; }

// One record of the visited-URL store. It owns the store's two UTF-16 strings and
// gives them back to the store's allocator when destroyed: the title first, then
// the URL. Times are UTC ticks of 100 ns since 1 January 1601.
class StatUrl {
 public:
  using FreeString = void (*)(char16_t*);

  StatUrl() = default;
  ~StatUrl() { release(); }
  StatUrl(StatUrl&& other) noexcept { *this = std::move(other); }
  StatUrl& operator=(StatUrl&& other) noexcept {
    if (this == &other) return *this;
    release();
    cbSize = other.cbSize;
    ftLastVisited = other.ftLastVisited;
    ftLastUpdated = other.ftLastUpdated;
    ftExpires = other.ftExpires;
    dwFlags = other.dwFlags;
    url_ = std::exchange(other.url_, nullptr);
    title_ = std::exchange(other.title_, nullptr);
    free_ = other.free_;
    return *this;
  }
  StatUrl(const StatUrl&) = delete;
  StatUrl& operator=(const StatUrl&) = delete;

  // Takes ownership of both strings (either may be null); drops what it held.
  void adopt(char16_t* url, char16_t* title, FreeString free) {
    release();
    url_ = url;
    title_ = title;
    free_ = free;
  }
  const char16_t* pwcsUrl() const { return url_; }
  const char16_t* pwcsTitle() const { return title_; }

  std::uint32_t cbSize = 0;
  std::uint64_t ftLastVisited = 0;
  std::uint64_t ftLastUpdated = 0;
  std::uint64_t ftExpires = 0;
  std::uint32_t dwFlags = 0;

 private:
  void release() {
    if (free_) {
      if (title_) free_(title_);
      if (url_) free_(url_);
    }
    title_ = url_ = nullptr;
  }
  char16_t* url_ = nullptr;
  char16_t* title_ = nullptr;
  FreeString free_ = nullptr;
};

// An enumeration of the store's entries.
class UrlHistoryEnum {
 public:
  virtual ~UrlHistoryEnum() = default;
  // Only entries whose URL starts with `prefix` follow; no prefix means all.
  virtual HResult setFilter(const std::optional<std::string>& prefix, std::uint32_t flags) = 0;
  // Asks for one record. `fetched` is 1 when `record` was filled, 0 at the end.
  virtual HResult next(StatUrl& record, std::uint32_t& fetched) = 0;
};

// The browser's store of visited URLs, as one opened store object.
class UrlHistoryStore {
 public:
  virtual ~UrlHistoryStore() = default;
  virtual HResult addUrl(const std::string& url, const std::string& title, std::uint32_t flags) = 0;
  virtual HResult deleteUrl(const std::string& url, std::uint32_t flags) = 0;
  virtual HResult enumUrls(std::unique_ptr<UrlHistoryEnum>& enumerator) = 0;
  virtual HResult clearHistory() = 0;
};

class UrlHistoryService {
 public:
  virtual ~UrlHistoryService() = default;
  virtual HResult createStore(std::unique_ptr<UrlHistoryStore>& store) = 0;
  // UTC ticks to calendar fields, to local time with the offset in force on
  // that date (so a winter date keeps its winter offset in summer), to a date
  // value (days since 30 December 1899, the fraction the time of day); 0 when
  // a step fails.
  virtual double fileTimeToDate(std::uint64_t utcTicks) = 0;
  // The user's locale: short date, a blank, long time; the date alone at
  // midnight; the time alone on the zero date.
  virtual std::string dateText(double date) = 0;
};

}  // namespace vellox
