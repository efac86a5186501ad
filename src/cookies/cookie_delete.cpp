#include <memory>
#include "cookies/cookie_files.h"
#include "cookies/cookies_tab.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace vellox {

namespace {

constexpr const char* kDeleteQuestion = "Are you sure you wish to delete the selected cookies?";
constexpr const char* kDeleteTitle = "Delete Cookies";

template <class Change>
void changeEveryRow(ListView& list, Change change) {
  const std::size_t count = list.count();
  for (std::size_t row = 0; row < count; ++row) list.setSelected(row, change(list.selected(row)));
}

}  // namespace

void CookiesTab::cmdselectallcookies_Click() {
  if (listingCookies_) return;
  changeEveryRow(lstcookies, [](bool) { return true; });
  lstcookies.setFocus();
}

void CookiesTab::cmdselectnocookies_Click() {
  if (listingCookies_) return;
  changeEveryRow(lstcookies, [](bool) { return false; });
}

void CookiesTab::cmdinvertcookiesselection_Click() {
  if (listingCookies_) return;
  changeEveryRow(lstcookies, [](bool selected) { return !selected; });
  lstcookies.setFocus();
}

void CookiesTab::cmddelcookies_Click() {
  if (listingCookies_) return;
  // The question and the listing both let other events run, the tray's Exit among them.
  const std::shared_ptr<const bool> alive = host_.alive();
  host_.setStatus("Deleting cookies...");
  deletecookies();
  if (!*alive) return;
  loadCookiesList();
  if (!*alive) return;
  host_.setStatus("");
}

void CookiesTab::deletecookies() {
  showIndexDat = false;
  const std::shared_ptr<const bool> alive = host_.alive();
  const MsgAnswer answer = services_.ui.messageBox(kDeleteQuestion, kDeleteTitle, MsgIcon::Question,
                                                   MsgButtons::YesNo, host_.owner());
  if (!*alive || answer != MsgAnswer::Yes) return;

  BusyPointer busy(host_.mousePointer());
  const int passes = level_.securePasses();
  // From the last row up, so removing a row leaves the rows still to visit in place.
  for (std::size_t row = lstcookies.count(); row-- > 0;) {
    if (lstcookies.text(row).empty() || !lstcookies.selected(row)) continue;
    if (removeCookieFile(services_.files, lstcookies.key(row), passes)) lstcookies.removeRow(row);
  }
}

}  // namespace vellox
