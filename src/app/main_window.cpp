#include "app/main_window.h"
#include "app/about_tab.h"
#include "app/general_tab.h"
#include "browsers/browsers_tab.h"
#include "build_config.h"
#include "cache/cache_tab.h"
#include "common/app_identity.h"
#include "cookies/cookies_tab.h"
#include "history/history_tab.h"
#include "ui/views.h"
#include "update/web_links.h"
#include "windows_traces/windows_tab.h"
#include "wipe/secure_wipe_tab.h"

namespace vellox {

frmmain::frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload)
    : frmmain(services, state, std::move(requestUnload), services.views.createMain()) {}

frmmain::frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload,
                 std::unique_ptr<MainView> view)
    : MainControls(view->controls()),
      services_(services),
      state_(state),
      requestUnload_(std::move(requestUnload)),
      view_(std::move(view)) {
  view_->onCloseBox.bind([this] {
    if (*alive_) requestUnload_();
  });
  bindWhileOpen(SSTab1.onClick, alive_, [this] { SSTab1_Click(); });
  bindWhileOpen(cmdok.onClick, alive_, [this] { cmdok_Click(); });
  bindWhileOpen(cmdHelp.onClick, alive_, [this] { cmdHelp_Click(); });
  addTabs();
  view_->onFilesDropped = [this](const std::vector<std::string>& paths) {
    if (*alive_) tab<SecureWipeTab>().filesDropped(paths);
  };
  Form_Load();
}

// Each tab gets its own controls, the services it calls and this window as its host.
void frmmain::addTabs() {
  TabHost& host = *this;
  add<GeneralTab>(GeneralControls::of(*this), chkDelCachedPasswords, shredLevel_, services_, state_, host);
  add<CookiesTab>(CookiesControls::of(*this), services_, state_.showIndexDat, shredLevel_, host);
  add<CacheTab>(CacheControls::of(*this), services_, shredLevel_, host);
  add<HistoryTab>(HistoryControls::of(*this), services_, state_.historyStore, host);
  add<BrowsersTab>(BrowsersControls::of(*this), services_, state_, shredLevel_, host);
  add<WindowsTab>(WindowsControls::of(*this), services_, state_, shredLevel_, host);
  add<SecureWipeTab>(SecureWipeControls::of(*this), services_, state_, host);
  add<AboutTab>(AboutControls::of(*this), services_, host);
}

frmmain::~frmmain() { *alive_ = false; }

void frmmain::Form_Load() { view_->setCaption(kAppTitle); }

void frmmain::Form_Activate() {
  view_->repaint();
  for (auto& tab : tabs_) tab->activated();
  loadUserPrefs();
}

void frmmain::Form_QueryUnload() {
  for (auto& tab : tabs_) tab->unloading();
}

void frmmain::retire() {
  *alive_ = false;
  view_->hide();
}

void frmmain::cmdok_Click() {
  saveUserPrefs();
  requestUnload_();
}

void frmmain::cmdHelp_Click() { openURL(services_, build::kHelpUrl); }

void frmmain::SSTab1_Click() {
  const int page = SSTab1.selected();
  if (page >= 0 && page < kTabCount) tabs_[page]->shown();
}

void frmmain::loadUserPrefs() {
  for (auto& tab : tabs_) tab->loadStored();
}

// Every option is kept, so a box the user ticks still holds at the next activation.
void frmmain::saveUserPrefs() {
  for (auto& tab : tabs_) tab->saveStored();
}

}  // namespace vellox
