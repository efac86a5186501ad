#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <memory>
#include <string>
#include "app/main_window.h"
#include "fakes/test_env.h"
#include "platform/win32/win32_services.h"
#include "cookies_support.h"

namespace vellox::test {
namespace {

// The cookie tab's logic over the real registry and file service (headless controls).
struct RealCookieServices {
  CookieFolder folder;
  ShellFoldersCookies value{folder.path()};
  TestEnv env;
  std::unique_ptr<Registry> registry = win32::makeRegistry();
  std::unique_ptr<Files> files = win32::makeFiles();
  Services services{env.ui,    env.views,    env.settings,   *registry,    env.shell,
                    *files,    env.urlCache, env.urlHistory, env.download, env.instance, env.systemFolders};
  frmmain form{services, env.state, [] {}};
  HeadlessListView& list = env.views.main->lstcookies;
};

TEST(RealCookieServices, ListsTheFolderNamedByShellFoldersAndDeletesReadOnlyFiles) {
  RealCookieServices t;
  t.env.state.showIndexDat = true;
  t.folder.write("user@site.test[1].txt");
  t.folder.write("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
  t.folder.write("system.txt", FILE_ATTRIBUTE_SYSTEM);
  t.folder.write("readonly.txt", FILE_ATTRIBUTE_READONLY);
  t.folder.subfolder("Low");

  t.env.views.main->SSTab1.select(kTabCookies);

  EXPECT_EQ(t.env.views.main->txtCookieDir.text(), t.folder.path());
  std::vector<std::string> names;
  for (std::size_t i = 0; i < t.list.count(); ++i) {
    names.push_back(t.list.text(i));
    EXPECT_EQ(t.list.key(i), t.folder.path() + "\\" + t.list.text(i));
    EXPECT_EQ(t.list.subItem(i, 1), t.list.key(i));
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"hidden.txt", "readonly.txt", "system.txt", "user@site.test[1].txt"}));
  EXPECT_TRUE(t.env.ui.messages.empty());

  for (std::size_t i = 0; i < t.list.count(); ++i) t.list.setSelected(i, t.list.text(i) != "hidden.txt");
  t.env.views.main->cmddelcookies.click();

  ASSERT_EQ(t.list.count(), 1u);
  EXPECT_EQ(t.list.text(0), "hidden.txt");
  EXPECT_FALSE(t.folder.exists("readonly.txt"));
  EXPECT_FALSE(t.folder.exists("system.txt"));
  EXPECT_TRUE(t.folder.exists("hidden.txt"));
  EXPECT_TRUE(t.folder.exists("Low"));
}

}  // namespace
}  // namespace vellox::test
