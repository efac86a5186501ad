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
  // Site data only. Each child of these folders belongs to one origin and is named after it,
  // so a kept site's children can stay while the others go.
  std::vector<std::string> originFolders;
  // Site data only: stores that mix the data of many sites and cannot be split; they are
  // left whole while any site is kept.
  std::vector<std::string> sharedFiles, sharedFolders;
  // Folders of the item that are links elsewhere (a cache moved to a RAM disk), left in place:
  // each with where it leads, empty when that cannot be told.
  std::vector<std::pair<std::string, std::string>> linkedFolders;
  bool empty() const {
    return databases.empty() && files.empty() && folders.empty() && originFolders.empty() && sharedFiles.empty() &&
           sharedFolders.empty();
  }
};

enum class BrowserItem { Cookies, SiteData, History, Cache, Session };
inline constexpr std::array<BrowserItem, 5> kBrowserItems = {BrowserItem::Cookies, BrowserItem::SiteData,
                                                             BrowserItem::History, BrowserItem::Cache,
                                                             BrowserItem::Session};

// The item as the user reads it: "Cookies", "Site data", "History", "Cache", "Session".
const char* itemName(BrowserItem item);

struct BrowserProfile {
  BrowserFamily family = BrowserFamily::Chromium;
  std::string browser;  // "Chrome", "Opera GX", "Firefox"
  std::string profile;  // the profile's own display name: "Person 1", "default-release"
  std::string folder;   // the profile's folder
  // The browser's own folder for its data (Chromium's user-data folder, Firefox's folder holding
  // profiles.ini); a running browser may have its program there too.
  std::string dataFolder;
  ItemPaths cookies, siteData, history, cache, session;
  // Why none of the profile's items is touched, when its folder was found but refused: "its
  // folder is a link to D:\, which is the root of a drive". Empty for a profile that is cleaned.
  std::string refused;
  // Its folder, or the data folder holding it, is a link that was followed: `folder` is where
  // it leads.
  bool moved = false;

  const ItemPaths& item(BrowserItem which) const;
};

// The profile as its row names it: "Person 1", or "Person 1 (moved to D:\Chrome\Default)".
// Stored choices keep `profile` alone, so a move keeps them.
std::string profileText(const BrowserProfile& profile);

}  // namespace vellox
