#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include "real_window_support.h"
#include "url_cache_support.h"
#include "cache/cache_tab.h"

namespace vellox::test {
namespace {

// Not a timed test: run by hand in a throwaway prefix with
//   --gtest_also_run_disabled_tests --gtest_filter='*ListsTenThousand*'
// It commits 10,000 entries, then times the listing into the real window.
TEST(UrlCacheBenchmark, DISABLED_ListsTenThousandRealEntries) {
  constexpr int kEntries = 10000;
  CommittedEntries entries;
  const std::string token = uniqueToken();
  const auto commitStart = std::chrono::steady_clock::now();
  for (int i = 0; i < kEntries; ++i)
    ASSERT_TRUE(entries.commit("http://bench.test/" + token + "/page/" + std::to_string(i) + "?q=x"));
  const auto committed = std::chrono::steady_clock::now();

  TestEnv env;
  std::unique_ptr<UrlCache> cache = win32::makeUrlCache();
  RealMainWindow w(env.services, *cache, env.registry, env.files);
  w.view.show();
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    w.form->tab<CacheTab>().GetCacheURLList();
    const auto took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(w.view.List1.count(), static_cast<std::size_t>(kEntries));
    std::printf("listing %zu entries into the list box: %.1f ms\n", w.view.List1.count(), took.count());
  }
  // The same listing into a list kept in memory: the share of the cache calls alone.
  Services headless{env.ui,    env.views, env.settings,   env.registry, env.shell,
                    env.files, *cache,    env.urlHistory, env.download, env.instance, env.systemFolders};
  frmmain memoryOnly(headless, env.state, [] {});
  const auto start = std::chrono::steady_clock::now();
  memoryOnly.tab<CacheTab>().GetCacheURLList();
  std::printf("listing %zu entries into a list in memory: %.1f ms\n", memoryOnly.List1.count(),
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  std::printf("committing %d entries took %.1f s\n", kEntries,
              std::chrono::duration<double>(committed - commitStart).count());
}

}  // namespace
}  // namespace vellox::test
