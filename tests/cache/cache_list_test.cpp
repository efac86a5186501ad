#include <gtest/gtest.h>
#include "cache/get_str_from_ptr.h"
#include "cache/cache_fixture.h"
#include "cache/cache_tab.h"

namespace vellox::test {
namespace {

using Items = std::vector<std::string>;

TEST(GetStrFromPtrA, CopiesTheBytesUpToTheFirstNul) {
  const char text[] = "http://x/\xe9\xff\x80?a\0tail";
  EXPECT_EQ(GetStrFromPtrA(text), "http://x/\xe9\xff\x80?a");
  EXPECT_EQ(GetStrFromPtrA(""), "");
  EXPECT_EQ(GetStrFromPtrA(nullptr), "");
}

TEST(CacheList, ListsNormalEntriesInEnumerationOrderByteForByte) {
  CacheWindow w;
  const std::string longUrl = "http://example.test/" + std::string(300, 'p') + "?q=1";
  w.cache.add("http://zeta.test/");
  w.cache.add("Cookie:user@site.test/", 0x100000);
  w.cache.add("http://alpha.test/caf\xe9/\xc3\xa9\xff");
  w.cache.add("Visited: user@http://v.test/", 0x200000);
  w.cache.add("http://sticky.test/", kNormalCacheEntry | 0x4 | 0x40);
  w.cache.add(longUrl, kNormalCacheEntry, 2000);

  w.view.SSTab1.select(kTabCache);

  EXPECT_EQ(w.listed(), (Items{"http://zeta.test/", "http://alpha.test/caf\xe9/\xc3\xa9\xff",
                               "http://sticky.test/", longUrl}));
  EXPECT_EQ(w.cache.refusedFills, 0);
  EXPECT_EQ(w.cache.allocations, 6);
  EXPECT_EQ(w.view.pointer.history, (std::vector<int>{kPointerHourglass, kPointerDefault}));
  EXPECT_EQ(w.list.redraws, 1);  // once, at the end of the fill
  w.expectTidy();
}

TEST(CacheList, RebuildingReplacesTheListAndEmptyCacheGivesNothing) {
  CacheWindow w;
  w.cache.add("http://a.test/");
  w.cache.add("http://b.test/");
  w.form->tab<CacheTab>().GetCacheURLList();
  w.list.setSelected(1, true);
  w.form->tab<CacheTab>().GetCacheURLList();
  EXPECT_EQ(w.listed(), (Items{"http://a.test/", "http://b.test/"}));
  EXPECT_TRUE(w.selectedItems().empty());

  w.cache.entries.clear();
  w.form->tab<CacheTab>().GetCacheURLList();
  EXPECT_TRUE(w.listed().empty());
  EXPECT_EQ(w.cache.closed, w.cache.opened);
  w.expectTidy();
}

TEST(CacheList, FaultsEndTheListingQuietlyKeepingWhatWasFound) {
  struct Case {
    const char* name;
    void (*script)(FakeUrlCache&);
    Items expected;
  };
  const Case cases[] = {
      {"probe fails with another error", [](FakeUrlCache& c) { c.probeError = 5; }, {}},
      {"probe fails with end of items", [](FakeUrlCache& c) { c.probeError = kErrorNoMoreItems; }, {}},
      {"probe unexpectedly succeeds", [](FakeUrlCache& c) { c.probeSucceeds = true; }, {}},
      {"first allocation refused", [](FakeUrlCache& c) { c.refuseAllocation = 1; }, {}},
      {"third allocation refused", [](FakeUrlCache& c) { c.refuseAllocation = 3; }, {"http://0/", "http://1/"}},
      {"third fetch fails", [](FakeUrlCache& c) { c.failFetchOf = 2; }, {"http://0/", "http://1/"}},
      {"last fetch fails", [](FakeUrlCache& c) { c.failFetchOf = 3; }, {"http://0/", "http://1/", "http://2/"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CacheWindow w;
    for (int i = 0; i < 4; ++i) w.cache.add("http://" + std::to_string(i) + "/");
    c.script(w.cache);
    w.form->tab<CacheTab>().GetCacheURLList();
    EXPECT_EQ(w.listed(), c.expected);
    EXPECT_EQ(w.cache.closed, w.cache.opened);
    EXPECT_EQ(w.view.pointer.history, (std::vector<int>{kPointerHourglass, kPointerDefault}));
    EXPECT_EQ(w.list.redraws, 1);
    w.expectTidy();
  }
}

TEST(CacheList, HasNoLimitOnTheNumberOfEntries) {
  CacheWindow w;
  const std::size_t count = 40000;
  for (std::size_t i = 0; i < count; ++i) w.cache.add("http://n.test/" + std::to_string(i));
  w.form->tab<CacheTab>().GetCacheURLList();
  ASSERT_EQ(w.list.count(), count);
  EXPECT_EQ(w.list.text(count - 1), "http://n.test/" + std::to_string(count - 1));
  EXPECT_EQ(w.list.redraws, 1);
  w.expectTidy();
}

TEST(CacheList, OnlySelectingTheCacheTabFillsTheList) {
  CacheWindow w;
  w.cache.add("http://a.test/");
  for (int tab : {kTabGeneral, kTabSecureWipe, kTabAbout}) w.view.SSTab1.select(tab);
  EXPECT_EQ(w.list.count(), 0u);
  w.view.SSTab1.select(kTabCache);
  w.cache.add("http://b.test/");
  w.view.SSTab1.select(kTabAbout);
  EXPECT_EQ(w.list.count(), 1u);
  w.view.SSTab1.select(kTabCache);
  EXPECT_EQ(w.listed(), (Items{"http://a.test/", "http://b.test/"}));
}

}  // namespace
}  // namespace vellox::test
