#pragma once
#include <array>
#include <string>
#include <vector>

namespace vellox {

enum class BrowserFamily { Chromium, Firefox };

// The paths one item of a profile has on disk; only those that exist. An item without any
// holds nothing.
struct ItemPaths {
  std::vector<std::string> databases;  // SQLite stores: their rows are cleaned, the file is kept
  std::vector<std::string> files;      // deleted whole
  std::vector<std::string> folders;    // deleted with what they hold
  bool empty() const { return databases.empty() && files.empty() && folders.empty(); }
};

enum class BrowserItem { Cookies, History, Cache, Session };
inline constexpr std::array<BrowserItem, 4> kBrowserItems = {BrowserItem::Cookies, BrowserItem::History,
                                                             BrowserItem::Cache, BrowserItem::Session};

// The item as the user reads it: "Cookies", "History", "Cache", "Session".
const char* itemName(BrowserItem item);

struct BrowserProfile {
  BrowserFamily family = BrowserFamily::Chromium;
  std::string browser;  // "Chrome", "Opera GX", "Firefox"
  std::string profile;  // the profile's own display name: "Person 1", "default-release"
  std::string folder;   // the profile's folder
  ItemPaths cookies, history, cache, session;

  const ItemPaths& item(BrowserItem which) const;
};

}  // namespace vellox
