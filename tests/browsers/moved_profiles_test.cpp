#include <gtest/gtest.h>
#include <filesystem>
#include <set>
#include "browsers/browser_discovery.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_system_folders.h"
#include "store_fixture.h"

namespace fs = std::filesystem;

namespace vellox::test {
namespace {

const std::string kUserData = "local/Google/Chrome/User Data", kFirefox = "roaming/Mozilla/Firefox";

struct MovedCase {
  std::vector<std::string> files;                          // written below the test's folder
  std::vector<std::pair<std::string, std::string>> links;  // link, then where it leads
  std::string profile;                                     // the folder the profile is found in
  std::set<std::string> gone;                              // what Clean of Cache takes
};

const MovedCase kCases[] = {
    // Moved user data, and in it a cache link to the user's own files: only the link goes.
    {{"D/Chrome/Default/Preferences", "D/Chrome/Default/Cache/data_1", "mine/photo.jpg"},
     {{kUserData, "D/Chrome"}, {"D/Chrome/Default/Cache/album", "mine"}},
     "D/Chrome/Default", {"D/Chrome/Default/Cache/data_1", "D/Chrome/Default/Cache/album"}},
    {{"D/Default/Preferences", "D/Default/Cache/data_1", kUserData + "/Local State"},
     {{kUserData + "/Default", "D/Default"}}, "D/Default", {"D/Default/Cache/data_1"}},
    {{kFirefox + "/profiles.ini", "D/Profiles/a.default/cookies.sqlite",
      "local/Mozilla/Firefox/Profiles/a.default/cache2/1"},
     {{kFirefox + "/Profiles", "D/Profiles"}}, "D/Profiles/a.default",
     {"local/Mozilla/Firefox/Profiles/a.default/cache2/1"}},
};

// A link the scope rule refuses is listed with its reason: browser_discovery_test.
TEST(MovedProfiles, ALinkedDataOrProfileFolderIsFollowedAndCleanedWhereTheRuleAllows) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.profile);
    TempDir dir;
    for (const auto& name : c.files) writeText(dir / name, "[Profile0]\nName=a\nPath=Profiles/a.default\n");
    for (const auto& [link, target] : c.links) {
      fs::create_directories(dir / target);
      fs::create_directories(fs::path(dir / link).parent_path());
      fs::create_directory_symlink(dir / target, dir / link);
    }
    const std::string real = fs::canonical(dir.path()).string(), target = real + "/" + c.profile;
    const auto folders = posix::makeSystemFolders({}, {});
    auto files = posix::makeFiles();
    const auto found = findBrowserProfiles(*files, {dir / "local", dir / "roaming"}, ScopeRule(*folders, {}));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(profileText(found[0]), found[0].profile + " (moved to " + target + ")");
    std::set<std::string> left = namesBelow(dir.path());
    for (const auto& name : c.gone) left.erase(name);
    EXPECT_EQ(cleanItem(*files, found[0], BrowserItem::Cache, KeptSites{}).state, StoreState::Ready);
    EXPECT_EQ(namesBelow(dir.path()), left);
  }
}

}  // namespace
}  // namespace vellox::test
