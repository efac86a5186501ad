#include <gtest/gtest.h>
#include "cache/cache_fixture.h"
#include "cache/cache_tab.h"

namespace vellox::test {
namespace {

using Items = std::vector<std::string>;

const Items kMixed = {"http://plain.test/", "Cookie:user@site.test/", "http://site.test/SetCookie?x",
                      "http://lower.test/cookie", "http://caps.test/COOKIE", "http://\xe9t\xe9.test/\xff"};

TEST(ClearCache, SparesExactCaseCookieTextUnlessPasswordsAreToGoToo) {
  struct Case {
    int box;
    Items deleted;
    Items remaining;
  };
  const Items spared = {"Cookie:user@site.test/", "http://site.test/SetCookie?x"};
  const Items others = {"http://plain.test/", "http://lower.test/cookie", "http://caps.test/COOKIE",
                        "http://\xe9t\xe9.test/\xff"};
  const Case cases[] = {{0, others, spared}, {2, others, spared}, {1, kMixed, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box);
    CacheWindow w;
    for (const auto& url : kMixed) w.cache.add(url);
    w.view.chkDelCachedPasswords.setValue(c.box);
    w.form->tab<CacheTab>().GetCacheURLList();
    w.list.setSelected(0, true);
    w.view.pointer.history.clear();

    w.view.cmdDelAllFromCache.click();

    EXPECT_EQ(w.cache.deleteCalls, c.deleted);
    EXPECT_EQ(w.listed(), c.remaining);
    EXPECT_TRUE(w.selectedItems().empty());
    EXPECT_EQ(w.view.sbar.history, (Items{"Clearing cache...", ""}));
    EXPECT_EQ(w.view.pointer.history.front(), kPointerHourglass);
    w.expectTidy();
  }
}

TEST(ClearCache, DeletesWhatWasListedAndRebuildsWithWhatTheCacheKept) {
  CacheWindow w;
  w.cache.add("http://a.test/");
  w.cache.add("http://in-use.test/");
  w.form->tab<CacheTab>().GetCacheURLList();
  w.cache.undeletable.insert("http://in-use.test/");
  w.cache.add("http://arrived-later.test/");

  w.form->tab<CacheTab>().cmdDelAllFromCache_Click();

  EXPECT_EQ(w.cache.deleteCalls, (Items{"http://a.test/", "http://in-use.test/"}));
  EXPECT_EQ(w.listed(), (Items{"http://in-use.test/", "http://arrived-later.test/"}));
  EXPECT_TRUE(w.env.ui.messages.empty());
}

TEST(ClearCache, OnAnEmptyListStillShowsStatusAndRebuilds) {
  CacheWindow w;
  w.cache.add("http://new.test/");
  w.form->tab<CacheTab>().cmdDelAllFromCache_Click();
  EXPECT_TRUE(w.cache.deleteCalls.empty());
  EXPECT_EQ(w.view.sbar.history, (Items{"Clearing cache...", ""}));
  EXPECT_EQ(w.listed(), (Items{"http://new.test/"}));
  w.expectTidy();
}

TEST(DeleteSelected, DeletesOnlyTheCurrentItemWhateverIsSelected) {
  struct Case {
    const char* name;
    long long current;
    Items deleted;
  };
  const Case cases[] = {
      {"current not among the selected", 3, {"http://\xe9t\xe9.test/\xff"}},
      {"current is selected", 1, {"Cookie:user@site.test/"}},
      {"no current item", -1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CacheWindow w;
    for (const auto& url : {"http://0.test/", "Cookie:user@site.test/", "http://2.test/",
                            "http://\xe9t\xe9.test/\xff"})
      w.cache.add(url);
    w.form->tab<CacheTab>().GetCacheURLList();
    for (std::size_t i : {0u, 1u, 2u}) w.list.setSelected(i, true);
    w.list.setCurrentIndex(c.current);
    w.cache.add("http://arrived.test/");
    w.view.pointer.history.clear();

    w.view.cmdDelSelFromCache.click();

    EXPECT_EQ(w.cache.deleteCalls, c.deleted);
    EXPECT_EQ(w.listed(), w.cache.urls());  // rebuilt from the cache
    EXPECT_EQ(w.list.count(), c.deleted.empty() ? 5u : 4u);
    EXPECT_TRUE(w.selectedItems().empty());
    EXPECT_TRUE(w.view.sbar.history.empty());
    EXPECT_EQ(w.view.pointer.history, (std::vector<int>{kPointerHourglass, kPointerDefault}));
  }
}

TEST(InvertSelection, FlipsEveryItemAndDeletesNothing) {
  CacheWindow w;
  for (int i = 0; i < 4; ++i) w.cache.add("http://" + std::to_string(i) + ".test/");
  w.form->tab<CacheTab>().GetCacheURLList();
  w.list.setSelected(0, true);
  w.list.setSelected(2, true);
  const int fills = w.cache.allocations;

  w.view.cmdinvertcachesel.click();
  EXPECT_EQ(w.selectedItems(), (std::vector<std::size_t>{1, 3}));
  w.view.cmdinvertcachesel.click();
  EXPECT_EQ(w.selectedItems(), (std::vector<std::size_t>{0, 2}));
  EXPECT_TRUE(w.cache.deleteCalls.empty());
  EXPECT_EQ(w.cache.allocations, fills);
}

}  // namespace
}  // namespace vellox::test
