#include "fakes/fake_url_history.h"
#include <algorithm>
#include <cstring>
#include <set>

namespace vellox::test {

namespace {

std::set<char16_t*>& live() {
  static std::set<char16_t*> strings;
  return strings;
}

std::vector<std::u16string>& freed() {
  static std::vector<std::u16string> log;
  return log;
}

void freeString(char16_t* text) {
  if (live().erase(text) != 1) {
    freed().push_back(u"<double free>");
    return;
  }
  freed().emplace_back(text);
  delete[] text;
}

char16_t* copyString(const std::optional<std::u16string>& text) {
  if (!text) return nullptr;
  auto* copy = new char16_t[text->size() + 1];
  std::copy(text->begin(), text->end(), copy);
  copy[text->size()] = 0;
  live().insert(copy);
  return copy;
}

// UTF-8 to UTF-16, as the real store's caller converts; a bad byte becomes U+FFFD.
std::u16string widen(const std::string& text) {
  std::u16string wide;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    char32_t c = extra <= 0 ? lead : lead & (0x3F >> extra);
    bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      valid = (next >> 6) == 2;
      c = (c << 6) | (next & 0x3F);
    }
    i += valid ? static_cast<std::size_t>(extra) + 1 : 1;
    if (!valid) c = 0xFFFD;
    if (c >= 0x10000) {
      wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      wide += static_cast<char16_t>(c);
    }
  }
  return wide;
}

class FakeEnum : public UrlHistoryEnum {
 public:
  explicit FakeEnum(std::shared_ptr<FakeUrlHistory::State> state) : state_(std::move(state)) {}
  HResult setFilter(const std::optional<std::string>& prefix, std::uint32_t flags) override {
    state_->filters.push_back({prefix, flags});
    if (failed(state_->filterResult)) return state_->filterResult;
    prefix_ = prefix;
    return kSOk;
  }
  HResult next(StatUrl& record, std::uint32_t& fetched) override {
    fetched = 0;
    while (position_ < state_->entries.size()) {
      if (state_->nextFailsAt && *state_->nextFailsAt == position_) return state_->nextFailure;
      const auto& e = state_->entries[position_++];
      if (prefix_ && (!e.url || e.url->rfind(widen(*prefix_), 0) != 0)) continue;
      record.adopt(copyString(e.url), copyString(e.title), freeString);
      record.ftLastVisited = e.lastVisited;
      record.ftLastUpdated = e.lastUpdated;
      record.ftExpires = e.expires;
      record.dwFlags = e.flags;
      fetched = 1;
      return kSOk;
    }
    return state_->endResult;
  }

 private:
  std::shared_ptr<FakeUrlHistory::State> state_;
  std::optional<std::string> prefix_;
  std::size_t position_ = 0;
};

class FakeStore : public UrlHistoryStore {
 public:
  explicit FakeStore(std::shared_ptr<FakeUrlHistory::State> state) : state_(std::move(state)) {
    ++state_->openStores;
  }
  ~FakeStore() override { --state_->openStores; }
  HResult addUrl(const std::string& url, const std::string& title, std::uint32_t flags) override {
    if (failed(state_->addResult)) return state_->addResult;
    FakeUrlHistory::Entry e{widen(url), widen(title), 0, 0, 0, flags};
    state_->added.push_back(e);
    // The store keeps one entry per URL: adding it again updates it in place.
    auto& entries = state_->entries;
    const auto same = std::find_if(entries.begin(), entries.end(), [&](const auto& old) { return old.url == e.url; });
    if (same != entries.end())
      *same = e;
    else
      entries.push_back(e);
    return kSOk;
  }
  HResult deleteUrl(const std::string& url, std::uint32_t flags) override {
    state_->deletes.emplace_back(url, flags);
    if (failed(state_->deleteResult)) return state_->deleteResult;
    auto& entries = state_->entries;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const auto& e) { return e.url && *e.url == widen(url); }),
                  entries.end());
    return kSOk;
  }
  HResult enumUrls(std::unique_ptr<UrlHistoryEnum>& enumerator) override {
    ++state_->enumCalls;
    if (failed(state_->enumResult)) return state_->enumResult;
    enumerator = std::make_unique<FakeEnum>(state_);
    return kSOk;
  }
  HResult clearHistory() override {
    ++state_->clearCalls;
    if (failed(state_->clearResult)) return state_->clearResult;
    state_->entries.clear();
    if (state_->onClear) state_->onClear();
    return kSOk;
  }

 private:
  std::shared_ptr<FakeUrlHistory::State> state_;
};

}  // namespace

HResult FakeUrlHistory::createStore(std::unique_ptr<UrlHistoryStore>& store) {
  if (failed(state->createResult)) return state->createResult;
  store = std::make_unique<FakeStore>(state);
  return kSOk;
}

double FakeUrlHistory::fileTimeToDate(std::uint64_t utcTicks) {
  ++dateConversions;
  if (utcTicks >> 63) return 0.0;
  constexpr double kTicksPerDay = 864e9;
  constexpr double kDaysFrom1601To1899 = 109205.0;
  return (static_cast<double>(utcTicks) + static_cast<double>(localOffsetTicks)) / kTicksPerDay -
         kDaysFrom1601To1899;
}

FakeUrlHistory::Entry& FakeUrlHistory::add(const char16_t* url, const char16_t* title, std::uint32_t flags) {
  Entry e;
  if (url) e.url = url;
  if (title) e.title = title;
  e.flags = flags;
  state->entries.push_back(e);
  return state->entries.back();
}

std::size_t liveStoreStrings() { return live().size(); }
const std::vector<std::u16string>& freedStoreStrings() { return freed(); }

}  // namespace vellox::test
