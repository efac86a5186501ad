#include "browsers/keep_cookies_dialog.h"
#include <algorithm>

namespace vellox {

namespace {

std::vector<std::string> sortedUnique(std::vector<std::string> sites) {
  sites.erase(std::remove(sites.begin(), sites.end(), std::string()), sites.end());
  std::sort(sites.begin(), sites.end());
  sites.erase(std::unique(sites.begin(), sites.end()), sites.end());
  return sites;
}

std::vector<std::string> selectedTexts(const ListBox& list) {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < list.count(); ++i)
    if (list.selected(i)) texts.push_back(list.text(i));
  return texts;
}

void show(ListBox& list, const std::vector<std::string>& texts) {
  list.beginUpdate();
  list.clear();
  for (const auto& text : texts) list.add(text);
  list.endUpdate();
}

}  // namespace

frmKeepCookies::frmKeepCookies(std::unique_ptr<KeepCookiesView> view, std::vector<std::string> sitesWithCookies,
                               std::vector<std::string> kept, Closed closed)
    : KeepCookiesControls(view->controls()),
      view_(std::move(view)),
      sitesWithCookies_(sortedUnique(std::move(sitesWithCookies))),
      kept_(sortedUnique(std::move(kept))),
      closed_(std::move(closed)) {
  cmdKeep.onClick.bind([this] { cmdKeep_Click(); });
  cmdRemove.onClick.bind([this] { cmdRemove_Click(); });
  cmdOk.onClick.bind([this] { cmdOk_Click(); });
  cmdCancel.onClick.bind([this] { cmdCancel_Click(); });
  view_->onCloseBox.bind([this] { cmdCancel_Click(); });
  fill();
}

// The left list is every site with cookies that is not kept; a kept site without
// cookies now still shows on the right, so that it can be given up.
void frmKeepCookies::fill() {
  std::vector<std::string> notKept;
  std::set_difference(sitesWithCookies_.begin(), sitesWithCookies_.end(), kept_.begin(), kept_.end(),
                      std::back_inserter(notKept));
  show(lstSites, notKept);
  show(lstKept, kept_);
}

void frmKeepCookies::cmdKeep_Click() {
  for (const auto& site : selectedTexts(lstSites)) kept_.push_back(site);
  kept_ = sortedUnique(std::move(kept_));
  fill();
}

void frmKeepCookies::cmdRemove_Click() {
  const auto removed = selectedTexts(lstKept);
  std::erase_if(kept_, [&](const std::string& site) {
    return std::find(removed.begin(), removed.end(), site) != removed.end();
  });
  fill();
}

void frmKeepCookies::cmdOk_Click() { finish(&kept_); }

void frmKeepCookies::cmdCancel_Click() { finish(nullptr); }

// The owner may destroy this dialog from `closed`: nothing of it is used afterwards.
void frmKeepCookies::finish(const std::vector<std::string>* kept) {
  if (!view_->visible()) return;
  view_->close();
  const Closed closed = closed_;
  if (kept) {
    const std::vector<std::string> copy = *kept;
    closed(&copy);
  } else {
    closed(nullptr);
  }
}

}  // namespace vellox
