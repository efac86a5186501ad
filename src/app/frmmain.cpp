#include "app/frmmain.h"
#include "app/app_identity.h"
#include "app/explorer_verb.h"
#include "app/publisher.h"
#include "app/run_at_startup.h"
#include "automatic/clean_log.h"
#include "browsers/browser_jobs.h"
#include "browsers/frmkeepcookies.h"
#include "ui/views.h"

namespace vellox {

frmmain::frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload)
    : frmmain(services, state, std::move(requestUnload), services.views.createMain()) {}

frmmain::frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload,
                 std::unique_ptr<MainView> view)
    : MainControls(view->controls()),
      services_(services),
      state_(state),
      showIndexDat(state.showIndexDat),
      historyStore(state.historyStore),
      requestUnload_(std::move(requestUnload)),
      view_(std::move(view)) {
  bindHandlers();
  Form_Load();
  followWipe();
  followBrowserRun();
  followWindowsRun();
}

frmmain::~frmmain() { *alive_ = false; }

void frmmain::on(Event& event, void (frmmain::*handler)()) {
  event.bind([this, handler] {
    if (*alive_) (this->*handler)();
  });
}

void frmmain::bindHandlers() {
  view_->onCloseBox.bind([this] {
    if (*alive_) requestUnload_();
  });
  view_->onFilesDropped = [this](const std::vector<std::string>& paths) {
    if (*alive_) filesDropped(paths);
  };
  on(SSTab1.onClick, &frmmain::SSTab1_Click);
  on(cmdok.onClick, &frmmain::cmdok_Click);
  on(cmdHelp.onClick, &frmmain::cmdHelp_Click);
  on(chkdeltempfiles.onClick, &frmmain::chkdeltempfiles_Click);
  on(chkEmptyRecycleBin.onClick, &frmmain::chkEmptyRecycleBin_Click);
  on(cmdselectallcookies.onClick, &frmmain::cmdselectallcookies_Click);
  on(cmdselectnocookies.onClick, &frmmain::cmdselectnocookies_Click);
  on(cmdinvertcookiesselection.onClick, &frmmain::cmdinvertcookiesselection_Click);
  on(cmddelcookies.onClick, &frmmain::cmddelcookies_Click);
  on(cmdDelSelFromCache.onClick, &frmmain::cmdDelSelFromCache_Click);
  on(cmdDelAllFromCache.onClick, &frmmain::cmdDelAllFromCache_Click);
  on(cmdinvertcachesel.onClick, &frmmain::cmdinvertcachesel_Click);
  URLs.onColumnClick = [this](int column) {
    if (*alive_) URLs_ColumnClick(column);
  };
  on(cmdClearHistory.onClick, &frmmain::cmdClearHistory_Click);
  lstBrowsers.onCheckToggled = [this](std::size_t row) {
    if (*alive_) lstBrowsers_CheckToggled(row);
  };
  on(cmdAnalyze.onClick, &frmmain::cmdAnalyze_Click);
  on(cmdClean.onClick, &frmmain::cmdClean_Click);
  on(cmdKeepCookies.onClick, &frmmain::cmdKeepCookies_Click);
  lstWindows.onCheckToggled = [this](std::size_t row) {
    if (*alive_) lstWindows_CheckToggled(row);
  };
  on(cmdAnalyzeWindows.onClick, &frmmain::cmdAnalyzeWindows_Click);
  on(cmdCleanWindows.onClick, &frmmain::cmdCleanWindows_Click);
  on(cmdWipe.onClick, &frmmain::cmdWipe_Click);
  on(cmdBrowseForFile.onClick, &frmmain::cmdBrowseForFile_Click);
  on(cmdBrowseForFolder.onClick, &frmmain::cmdBrowseForFolder_Click);
  on(chkExplorerVerb.onClick, &frmmain::chkExplorerVerb_Click);
  on(cmdcheckForUpdates.onClick, &frmmain::cmdcheckForUpdates_Click);
  on(lblurl.onClick, &frmmain::lblurl_Click);
  on(lblcleanlog.onClick, &frmmain::lblcleanlog_Click);
}

void frmmain::Form_Load() {
  view_->setCaption(kAppTitle);
  lblappname.setText(std::string(kAppTitle) + " " + versionText());
  lbladdress.setText(kPublisherAddress);
  lblwarning.setText(kPublisherWarning);
  lblurl.setText(kPublisherHomePage);
  lblcleanlog.setText(kCleanLogLinkText);
  chkExplorerVerb.setValue(explorerVerbPresent(services_) ? 1 : 0);
}

void frmmain::Form_Activate() {
  view_->repaint();
  lstcookies.setColumnWidth(0, lstcookies.width() / 2.0);
  lstcookies.setColumnWidth(1, lstcookies.width() / 2.0);
  loadUserPrefs();
}

void frmmain::Form_QueryUnload() { setRunAtStartup(services_, chkautostart.value() == 1); }

void frmmain::retire() {
  *alive_ = false;
  view_->hide();
}

void frmmain::cmdok_Click() {
  saveUserPrefs();
  requestUnload_();
}

void frmmain::SSTab1_Click() {
  switch (SSTab1.selected()) {
    case kTabCookies:
      loadCookiesList();
      break;
    case kTabCache:
      loadCacheContents();
      break;
    case kTabHistory:
      loadURLHistory();
      break;
    case kTabBrowsers:
      loadBrowsersList();
      break;
    case kTabWindows:
      loadWindowsList();
      break;
    default:
      break;
  }
}

}  // namespace vellox
