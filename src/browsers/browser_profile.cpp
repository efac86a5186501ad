#include "browsers/browser_profile.h"

namespace vellox {

const char* itemName(BrowserItem item) {
  switch (item) {
    case BrowserItem::Cookies: return "Cookies";
    case BrowserItem::SiteData: return "Site data";
    case BrowserItem::History: return "History";
    case BrowserItem::Cache: return "Cache";
    case BrowserItem::Session: return "Session";
  }
  return "";
}

std::string profileText(const BrowserProfile& profile) {
  return profile.moved ? profile.profile + " (moved to " + profile.folder + ")" : profile.profile;
}

const ItemPaths& BrowserProfile::item(BrowserItem which) const {
  switch (which) {
    case BrowserItem::Cookies: return cookies;
    case BrowserItem::SiteData: return siteData;
    case BrowserItem::History: return history;
    case BrowserItem::Cache: return cache;
    case BrowserItem::Session: return session;
  }
  return cookies;
}

}  // namespace vellox
