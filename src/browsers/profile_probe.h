#pragma once
#include <string>
#include <string_view>
#include "browsers/browser_profile.h"
#include "platform/files.h"

namespace vellox {

// Looks at the names inside a browser's folders without going through links: a link is
// recorded as the name it is, and never read or listed.
class ProfileProbe {
 public:
  explicit ProfileProbe(Files& files) : files_(files) {}

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

 private:
  Files& files_;
};

// A browser may have its data folder or a profile folder moved and replaced by a link. Links
// are not followed: such a profile is listed with this reason, and none of it is touched.
inline constexpr const char* kLinkedFolder = "its folder is a link to another place, which is not followed";

// One name of a folder level: not empty, no separator or drive colon, not "." or "..".
bool isPlainName(std::string_view name);

}  // namespace vellox
