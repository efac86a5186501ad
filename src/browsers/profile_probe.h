#pragma once
#include <string>
#include <string_view>
#include <vector>
#include "browsers/browser_profile.h"
#include "erase/scope_rule.h"
#include "platform/files.h"

namespace vellox {

// Where a folder that the browser follows through a link really is.
struct FollowedFolder {
  std::string path;     // where its contents are: the folder itself, or where its link leads
  bool moved = false;   // a link led elsewhere, and `path` is that place
  std::string refused;  // why a link is not followed; then nothing of it is touched
};

// Looks at the names inside a browser's folders without going through links: a link is
// recorded as the name it is, and never read or listed. Only follow() goes through one.
class ProfileProbe {
 public:
  ProfileProbe(Files& files, const ScopeRule& rule) : files_(files), rule_(rule) {}

  Files& files() { return files_; }
  // The text with every "\" and "/" as the platform's separator.
  std::string withSeparators(std::string_view text) const;
  // `relative` may hold "\" or "/" between names; the platform's separator joins them.
  std::string child(const std::string& folder, std::string_view relative) const;
  // A real folder: it exists and is not a link.
  bool isFolder(const std::string& path);
  // A link of any kind, by its name.
  bool isLink(const std::string& path);
  // A database only when it is a file of its own; a link to one is never opened.
  void addDatabase(ItemPaths& item, const std::string& folder, std::string_view name);
  // A file, or a link to anything, by its name.
  void addFile(ItemPaths& item, const std::string& folder, std::string_view name);
  // A folder, or a link to one, by its name.
  void addFolder(ItemPaths& item, const std::string& folder, std::string_view name);
  // A link of the item's that is left in place, named with where it leads.
  void nameLink(ItemPaths& item, const std::string& path);
  // The named folders below `folder` into `into` (a list of the item's other than `folders`);
  // those that are links are named in the item as addFolder names them.
  template <class Names>
  void addFoldersTo(ItemPaths& item, std::vector<std::string>& into, const std::string& folder, const Names& names) {
    std::vector<std::string> own = std::move(item.folders);
    item.folders.clear();
    for (const char* name : names) addFolder(item, folder, name);
    into.insert(into.end(), item.folders.begin(), item.folders.end());
    item.folders = std::move(own);
  }
  // A browser follows a link where its data folder or a profile folder was moved, and so do we
  // there, and only there: to where it really leads, when the scope rule lets that be cleared.
  FollowedFolder follow(const std::string& folder);
  // `relative` below `base` ("Profiles/a.default"), each level followed as follow() does; a
  // refused base is the answer for everything below it.
  FollowedFolder followBelow(const FollowedFolder& base, std::string_view relative);

 private:
  Files& files_;
  const ScopeRule& rule_;
};

// A browser whose data folder is a link that is not followed: one row of its, that says why.
void addRefusedDataFolder(std::vector<BrowserProfile>& found, BrowserFamily family, const char* browser,
                          const char* profile, const FollowedFolder& data);

// One name of a folder level: not empty, no separator or drive colon, not "." or "..".
bool isPlainName(std::string_view name);

}  // namespace vellox
