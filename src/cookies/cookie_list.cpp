#include "common/registry_values.h"
#include "cookies/cookies_tab.h"
#include "cookies/cookie_files.h"
#include "cookies/cookie_listing_scope.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace vellox {

void CookiesTab::loadCookiesList() {
  if (listingCookies_) return;
  lstcookies.clear();
  // A failed read is reported in a message box, whose loop runs other events.
  const std::shared_ptr<const bool> alive = host_.alive();
  const std::string folder = getRegValue(services_, RegRoot::CurrentUser, kShellFoldersKey, kCookiesValue);
  if (!*alive) return;
  txtCookieDir.setText(folder);
  EnumCookies(folder);
}

void CookiesTab::EnumCookies(std::string path) {
  if (listingCookies_) return;
  CookieListingScope listing(listingCookies_, *this, host_.mousePointer(), host_.alive());
  // An empty folder text would otherwise become the root of the current drive.
  if (path.empty()) return;
  const char separator = services_.files.separator();
  if (path.back() != separator) path += separator;
  const std::vector<DirEntry> entries = services_.files.readFolder(path).entries;
  if (entries.empty()) return;

  listing.beginFill();
  for (const DirEntry& entry : entries) {
    services_.ui.doEvents();
    if (listing.windowGone()) return;
    if (!isCookieFile(entry, showIndexDat)) continue;
    const std::string fullPath = path + entry.name;
    const std::size_t row = lstcookies.addRow(entry.name, fullPath);
    lstcookies.setSubItem(row, 1, fullPath);
  }
  if (lstcookies.count() > 0) lstcookies.setSelected(lstcookies.count() - 1, true);
}

}  // namespace vellox
