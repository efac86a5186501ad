#include <gtest/gtest.h>
#include <filesystem>
#include <set>
#include <string>
#include <vector>
#include "browsers/browser_cleaning.h"
#include "browsers/browser_discovery.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_system_folders.h"
#include "store_fixture.h"

namespace fs = std::filesystem;

namespace vellox::test {
namespace {

const char* const kUserData = "local/Google/Chrome/User Data";
const char* const kFirefox = "roaming/Mozilla/Firefox";

struct MovedCase {
  const char* why;
  std::vector<std::string> files;                            // written below the test's folder
  std::vector<std::pair<std::string, std::string>> links;    // link, then where it leads
  const char* profile;                                       // the folder the profile is found in
  const char* refusal;                                       // the rule's reason; nullptr when followed
  std::vector<std::string> gone;                             // of `files`, what Clean of Cache takes
};

const MovedCase kCases[] = {
    {"Chrome's user data moved; a cache link inside it leads to the user's files",
     {"D/Chrome/Default/Preferences", "D/Chrome/Default/Cache/data_1", "mine/photo.jpg"},
     {{kUserData, "D/Chrome"}, {"D/Chrome/Default/Cache/album", "mine"}},
     "D/Chrome/Default", nullptr, {"D/Chrome/Default/Cache/data_1", "D/Chrome/Default/Cache/album"}},
    {"a Chrome profile moved",
     {"D/Default/Preferences", "D/Default/Cache/data_1", std::string(kUserData) + "/Local State"},
     {{std::string(kUserData) + "/Default", "D/Default"}},
     "D/Default", nullptr, {"D/Default/Cache/data_1"}},
    {"Firefox's profiles folder moved",
     {std::string(kFirefox) + "/profiles.ini", "D/Profiles/a.default/cookies.sqlite",
      "local/Mozilla/Firefox/Profiles/a.default/cache2/entries/1"},
     {{std::string(kFirefox) + "/Profiles", "D/Profiles"}},
     "D/Profiles/a.default", nullptr, {"local/Mozilla/Firefox/Profiles/a.default/cache2/entries/1"}},
    {"Chrome's user data moved to the Documents folder",
     {"home/Documents/Default/Preferences", "home/Documents/Default/Cache/data_1"},
     {{kUserData, "home/Documents"}},
     "home/Documents", "is your Documents folder", {}},
    {"a Firefox profile moved to the folder holding the Documents",
     {std::string(kFirefox) + "/profiles.ini", "home/cookies.sqlite", "home/Documents/cache2/entries/1"},
     {{std::string(kFirefox) + "/Profiles/a.default", "home"}},
     "home", "holds your Documents folder, ", {}},
};

// Every file and link below `folder`, none followed.
std::set<std::string> namesBelow(const std::string& folder) {
  std::set<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (!entry.is_directory() || entry.is_symlink()) found.insert(entry.path().lexically_relative(folder).string());
  return found;
}

TEST(MovedProfiles, ALinkedDataOrProfileFolderIsFollowedAndCleanedWhereTheRuleAllowsAndRefusedWithItsReason) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    TempDir dir;
    for (const auto& name : c.files)
      writeText(dir / name, name.ends_with("profiles.ini") ? "[Profile0]\nName=a\nPath=Profiles/a.default\n" : "x");
    for (const auto& [link, target] : c.links) {
      fs::create_directories(fs::path(dir / link).parent_path());
      fs::create_directories(dir / target);
      fs::create_directory_symlink(dir / target, dir / link);
    }
    const std::string home = fs::canonical(dir.path()).string();  // where the links really lead
    const auto folders = posix::makeSystemFolders(
        {{SystemFolderKind::UserFolder, "Documents", home + "/home/Documents"}}, {dir / "local", dir / "roaming"});
    auto files = posix::makeFiles();
    const auto found = findBrowserProfiles(*files, {dir / "local", dir / "roaming"}, ScopeRule(*folders, {}));
    ASSERT_EQ(found.size(), 1u);
    const BrowserProfile& p = found[0];
    const std::string target = home + "/" + c.profile;
    std::set<std::string> left = namesBelow(dir.path());
    if (c.refusal) {
      EXPECT_EQ(p.refused.rfind("its folder is a link to " + target + ", which " + c.refusal, 0), 0u) << p.refused;
      EXPECT_EQ(profileText(p), p.profile);
    } else {
      EXPECT_EQ(p.refused, "");
      EXPECT_EQ(p.folder, target);
      EXPECT_EQ(profileText(p), p.profile + " (moved to " + target + ")");
      for (const auto& name : c.gone) left.erase(name);
    }
    const ItemCleaned cleaned = cleanItem(*files, noBrowserRunning(), p, BrowserItem::Cache, KeptSites{});
    EXPECT_EQ(cleaned.state, c.refusal ? StoreState::Unreadable : StoreState::Ready) << cleaned.reason;
    EXPECT_EQ(namesBelow(dir.path()), left);
  }
}

}  // namespace
}  // namespace vellox::test
