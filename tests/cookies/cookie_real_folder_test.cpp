#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include "cookies/cookie_fixture.h"
#include "platform/posix/posix_files.h"
#include "cookies/cookies_tab.h"

namespace vellox::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The cookie tab over a real folder of its own, through the POSIX file service.
struct RealCookieFolder {
  RealCookieFolder() {
    std::string pattern = (fs::temp_directory_path() / "vellox-cookies-XXXXXX").string();
    root = mkdtemp(pattern.data());
    folder = root + "/Cookies";
    fs::create_directory(folder);
    env.state.showIndexDat = true;
    env.registry.setString(kShellFolders, "Cookies", folder);
  }
  ~RealCookieFolder() {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, ignored);
    fs::remove_all(root, ignored);
  }
  void write(const std::string& path) { std::ofstream(path) << "cookie"; }
  Names names() const {
    Names items;
    for (std::size_t i = 0; i < view().lstcookies.count(); ++i) items.push_back(view().lstcookies.text(i));
    std::sort(items.begin(), items.end());
    return items;
  }
  HeadlessMainView& view() const { return *env.views.main; }

  std::string root, folder;
  TestEnv env;
  std::unique_ptr<Files> files = posix::makeFiles();
  Services services{env.ui,    env.views, env.settings, env.registry,         env.shell,
                    *files,    env.urlCache, env.urlHistory, env.download, env.instance, env.systemFolders};
  frmmain form{services, env.state, [] {}};
};

TEST(CookieRealFolder, ListsFilesOnlyAndDeletesTheSelectedOnes) {
  RealCookieFolder t;
  t.write(t.folder + "/user@site.test[2].txt");
  t.write(t.folder + "/.hidden");
  t.write(t.folder + "/readonly.txt");
  ::chmod((t.folder + "/readonly.txt").c_str(), 0444);
  t.write(t.folder + "/index.dat");
  fs::create_directory(t.folder + "/sub");
  t.write(t.folder + "/sub/inner.txt");
  t.write(t.root + "/outside.txt");
  fs::create_symlink(t.root + "/outside.txt", t.folder + "/link.txt");
  fs::create_directory_symlink(t.root, t.folder + "/up");

  t.view().SSTab1.select(kTabCookies);
  EXPECT_EQ(t.names(), (Names{".hidden", "index.dat", "readonly.txt", "user@site.test[2].txt"}));
  auto& list = t.view().lstcookies;
  for (std::size_t i = 0; i < list.count(); ++i) {
    EXPECT_EQ(list.key(i), t.folder + "/" + list.text(i));
    EXPECT_EQ(list.subItem(i, 1), list.key(i));
  }

  for (std::size_t i = 0; i < list.count(); ++i) list.setSelected(i, list.text(i) != "index.dat");
  fs::remove(t.folder + "/.hidden");  // gone before the run: passed over
  t.view().cmddelcookies.click();

  EXPECT_EQ(t.names(), Names{});  // index.dat is no longer shown
  EXPECT_TRUE(fs::exists(t.folder + "/index.dat"));
  EXPECT_FALSE(fs::exists(t.folder + "/readonly.txt"));
  EXPECT_FALSE(fs::exists(t.folder + "/user@site.test[2].txt"));
  EXPECT_TRUE(fs::exists(t.folder + "/sub/inner.txt"));
  EXPECT_TRUE(fs::exists(t.root + "/outside.txt"));
  EXPECT_TRUE(fs::is_symlink(t.folder + "/link.txt"));
}

TEST(CookieRealFolder, ATrailingSeparatorIsNotDoubled) {
  RealCookieFolder t;
  t.write(t.folder + "/a.txt");
  t.env.registry.setString(kShellFolders, "Cookies", t.folder + "/");
  t.form.tab<CookiesTab>().loadCookiesList();
  ASSERT_EQ(t.view().lstcookies.count(), 1u);
  EXPECT_EQ(t.view().lstcookies.key(0), t.folder + "/a.txt");
}

}  // namespace
}  // namespace vellox::test
