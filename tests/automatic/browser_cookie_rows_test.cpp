#include <gtest/gtest.h>
#include "automatic/auto_clean.h"
#include "browsers/browser_schemas.h"
#include "browsers/store_fixture.h"
#include "fakes/test_env.h"
#include "platform/posix/posix_files.h"
#include "wipe/services_with_files.h"

namespace vellox::test {
namespace {

std::string cookie(const std::string& host, const std::string& value) {
  return "INSERT INTO cookies VALUES(13300000000000000,'" + host + "','','n','" + value + "',X'7631305f" +
         std::string(32, 'a') + "','/',0,1,1,0,1,1,1,0,2,443,0,0,0);";
}

// "Delete Cookies Automatically" empties the checked cookie and site data rows of the Browsers
// tab, and the sites kept there stay in both.
TEST(AutoCleanBrowsers, CookieAndSiteDataRowsLoseAllButTheKeptSites) {
  TempDir dir;
  auto files = posix::makeFiles();
  TestEnv env;
  Services services = servicesWithFiles(env, *files);
  env.systemFolders.appData = {dir / "Local", dir / "Roaming"};
  const std::string chrome = dir / "Local/Google/Chrome/User Data";
  writeText(chrome + "/Local State", R"({"profile":{"info_cache":{"Default":{"name":"Person 1"}}}})");
  const std::string store = chrome + "/Default/Network/Cookies";
  makeDatabase(store, kChromiumCookiesSchema, cookie(".kept.example", "stays") + cookie(".tracker.net", "goes"));
  env.settings.lists[{" Tarn Vellox", "Settings", "keepcookies"}] = {"kept.example"};
  for (const char* site : {"kept.example", "tracker.net"})
    writeText(chrome + "/Default/IndexedDB/https_" + site + "_0.indexeddb.leveldb/1.log", site);

  AutoOptions options;
  options.cookies = true;
  ShredControl control;
  CleanBudget budget(control);
  const CleanReport report = runAutoClean(autoCleanSteps(services, env.state.historyStore, options), budget, {});
  EXPECT_EQ(rowsOf(store, "SELECT host_key || '=' || value FROM cookies"),
            std::multiset<std::string>{".kept.example=stays"});
  EXPECT_EQ(namesBelow(chrome + "/Default/IndexedDB"), std::set<std::string>{"https_kept.example_0.indexeddb.leveldb/1.log"});
  ASSERT_GE(report.cleaned.size(), 2u);
  EXPECT_EQ(report.cleaned[report.cleaned.size() - 2], "Chrome (Person 1) cookies: 1 cookie");
  EXPECT_EQ(report.cleaned.back().rfind("Chrome (Person 1) site data: ", 0), 0u) << report.cleaned.back();
}

}  // namespace
}  // namespace vellox::test
