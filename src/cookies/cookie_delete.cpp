#include <memory>
#include "app/frmmain.h"
#include "cookies/cookie_files.h"
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

void frmmain::cmdselectallcookies_Click() {
  if (listingCookies_) return;
  changeEveryRow(lstcookies, [](bool) { return true; });
  lstcookies.setFocus();
}

void frmmain::cmdselectnocookies_Click() {
  if (listingCookies_) return;
  changeEveryRow(lstcookies, [](bool) { return false; });
}

void frmmain::cmdinvertcookiesselection_Click() {
  if (listingCookies_) return;
  changeEveryRow(lstcookies, [](bool selected) { return !selected; });
  lstcookies.setFocus();
}

void frmmain::cmddelcookies_Click() {
  if (listingCookies_) return;
  // The question and the listing both let other events run, the tray's Exit among them.
  const std::shared_ptr<const bool> alive = alive_;
  sbar.setText("Deleting cookies...");
  deletecookies();
  if (!*alive) return;
  loadCookiesList();
  if (!*alive) return;
  sbar.setText("");
}

void frmmain::deletecookies() {
  showIndexDat = false;
  const std::shared_ptr<const bool> alive = alive_;
  const MsgAnswer answer = services_.ui.messageBox(kDeleteQuestion, kDeleteTitle, MsgIcon::Question,
                                                   MsgButtons::YesNo, view_->nativeHandle());
  if (!*alive || answer != MsgAnswer::Yes) return;

  BusyPointer busy(pointer);
  const int passes = securePasses();
  // From the last row up, so removing a row leaves the rows still to visit in place.
  for (std::size_t row = lstcookies.count(); row-- > 0;) {
    if (lstcookies.text(row).empty() || !lstcookies.selected(row)) continue;
    if (removeCookieFile(services_.files, lstcookies.key(row), passes)) lstcookies.removeRow(row);
  }
}

}  // namespace vellox
