#include "app/frmmain.h"
#include "app/app_identity.h"
#include "app/publisher.h"
#include "app/run_at_startup.h"
#include "ui/views.h"

namespace vellox {

frmmain::frmmain(Services& services, ProgramState& state, std::function<void()> requestUnload)
    : services_(services),
      foundFiles(state.foundFiles),
      showIndexDat(state.showIndexDat),
      historyStore(state.historyStore),
      requestUnload_(std::move(requestUnload)),
      view_(services.views.createMain()),
      SSTab1(view_->controls().SSTab1),
      cmdok(view_->controls().cmdok),
      cmdHelp(view_->controls().cmdHelp),
      sbar(view_->controls().sbar),
      pointer(view_->controls().pointer),
      chkautostart(view_->controls().chkautostart),
      chkdelOnStart(view_->controls().chkdelOnStart),
      chkDelOnShutDown(view_->controls().chkDelOnShutDown),
      Chkautoclearcookies(view_->controls().Chkautoclearcookies),
      ChkAutoClearCache(view_->controls().ChkAutoClearCache),
      ChkAutoClearHistory(view_->controls().ChkAutoClearHistory),
      chkdeltempfiles(view_->controls().chkdeltempfiles),
      chkEmptyRecycleBin(view_->controls().chkEmptyRecycleBin),
      txtCookieDir(view_->controls().txtCookieDir),
      lstcookies(view_->controls().lstcookies),
      cmdselectallcookies(view_->controls().cmdselectallcookies),
      cmdselectnocookies(view_->controls().cmdselectnocookies),
      cmdinvertcookiesselection(view_->controls().cmdinvertcookiesselection),
      cmddelcookies(view_->controls().cmddelcookies),
      List1(view_->controls().List1),
      cmdDelSelFromCache(view_->controls().cmdDelSelFromCache),
      cmdDelAllFromCache(view_->controls().cmdDelAllFromCache),
      cmdinvertcachesel(view_->controls().cmdinvertcachesel),
      chkDelCachedPasswords(view_->controls().chkDelCachedPasswords),
      URLs(view_->controls().URLs),
      cmdClearHistory(view_->controls().cmdClearHistory),
      txtFolderToWipe(view_->controls().txtFolderToWipe),
      cmdBrowseForFolder(view_->controls().cmdBrowseForFolder),
      txtFileToWipe(view_->controls().txtFileToWipe),
      cmdBrowseForFile(view_->controls().cmdBrowseForFile),
      chkSecureForAll(view_->controls().chkSecureForAll),
      optQuick(view_->controls().optQuick),
      optDOD(view_->controls().optDOD),
      cmdWipe(view_->controls().cmdWipe),
      lblappname(view_->controls().lblappname),
      lblproginfo(view_->controls().lblproginfo),
      lbladdress(view_->controls().lbladdress),
      lblwarning(view_->controls().lblwarning),
      lblurl(view_->controls().lblurl),
      cmdcheckForUpdates(view_->controls().cmdcheckForUpdates) {
  bindHandlers();
  Form_Load();
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
  on(cmdWipe.onClick, &frmmain::cmdWipe_Click);
  on(cmdBrowseForFile.onClick, &frmmain::cmdBrowseForFile_Click);
  on(cmdBrowseForFolder.onClick, &frmmain::cmdBrowseForFolder_Click);
  on(cmdcheckForUpdates.onClick, &frmmain::cmdcheckForUpdates_Click);
  on(lblurl.onClick, &frmmain::lblurl_Click);
}

void frmmain::Form_Load() {
  view_->setCaption(kAppTitle);
  lblappname.setText(std::string(kAppTitle) + " " + versionText());
  lbladdress.setText(kPublisherAddress);
  lblwarning.setText(kPublisherWarning);
  lblurl.setText(kPublisherHomePage);
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
    default:
      break;
  }
}

}  // namespace vellox
