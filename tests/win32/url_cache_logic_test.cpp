#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include "app/main_window.h"
#include "cache/cache_tab.h"
#include "fakes/test_env.h"
#include "platform/win32/win32_services.h"
#include "url_cache_support.h"

namespace vellox::test {
namespace {

// The cache tab's logic over the prefix's real URL cache (headless controls).
struct RealCacheTab {
  TestEnv env;
  std::unique_ptr<UrlCache> cache = win32::makeUrlCache();
  Services services{env.ui,    env.views, env.settings, env.registry,         env.shell,
                    env.files, *cache,    env.urlHistory, env.download, env.instance, env.systemFolders};
  frmmain form{services, env.state, [] {}};
  HeadlessListBox& list = env.views.main->List1;

  std::vector<std::string> listed() const {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < list.count(); ++i) items.push_back(list.text(i));
    return items;
  }
  long long indexOf(const std::string& url) const {
    for (std::size_t i = 0; i < list.count(); ++i)
      if (list.text(i) == url) return static_cast<long long>(i);
    return -1;
  }
};

std::vector<std::string> sorted(std::vector<std::string> items) {
  std::sort(items.begin(), items.end());
  return items;
}

TEST(RealCacheTab, ListsCommittedNormalEntriesOnly) {
  CommittedEntries entries;
  const std::string token = uniqueToken();
  const std::string page = "http://list.test/" + token + "/page";
  const std::string longPage = "http://list.test/" + token + "/" + std::string(400, 'x');
  const std::string accented = "http://list.test/" + token + "/caf\xe9\xff";
  const std::string cookie = "Cookie:user@list.test/" + token;
  const std::string visited = "Visited: user@http://list.test/" + token;
  ASSERT_TRUE(entries.commit(page));
  ASSERT_TRUE(entries.commit(longPage));
  ASSERT_TRUE(entries.commit(accented));
  ASSERT_TRUE(entries.commit(cookie, COOKIE_CACHE_ENTRY));
  ASSERT_TRUE(entries.commit(visited, URLHISTORY_CACHE_ENTRY));

  RealCacheTab tab;
  tab.env.views.main->SSTab1.select(kTabCache);
  EXPECT_EQ(sorted(containing(tab.listed(), token)), sorted({page, longPage, accented}));
  EXPECT_EQ(tab.env.views.main->pointer.get(), kPointerDefault);
}

TEST(RealCacheTab, DeleteSelectedAndClearCacheRemoveEntriesAndTheListShowsTheRest) {
  CommittedEntries entries;
  const std::string token = uniqueToken();
  const std::string first = "http://del.test/" + token + "/first";
  const std::string second = "http://del.test/" + token + "/second";
  const std::string third = "http://del.test/" + token + "/third";
  const std::string spared = "http://del.test/" + token + "/SetCookie";
  for (const auto& url : {first, second, third, spared}) ASSERT_TRUE(entries.commit(url));

  RealCacheTab tab;
  tab.form.tab<CacheTab>().GetCacheURLList();
  tab.list.setSelected(static_cast<std::size_t>(tab.indexOf(first)), true);
  tab.list.setCurrentIndex(tab.indexOf(second));
  tab.env.views.main->cmdDelSelFromCache.click();
  EXPECT_EQ(sorted(containing(tab.listed(), token)), sorted({first, third, spared}));

  tab.env.views.main->cmdDelAllFromCache.click();
  EXPECT_EQ(containing(tab.listed(), token), std::vector<std::string>{spared});
  EXPECT_EQ(tab.env.views.main->sbar.text(), "");

  tab.env.views.main->chkDelCachedPasswords.setValue(1);
  tab.env.views.main->cmdDelAllFromCache.click();
  EXPECT_TRUE(containing(tab.listed(), token).empty());
}

}  // namespace
}  // namespace vellox::test
