#include "app/frmmain.h"
#include "app/app_identity.h"
#include "app/publisher.h"
#include "app/run_at_startup.h"
#include "ui/views.h"

namespace vellox {

frmmain::frmmain(Services& services, std::function<void()> requestUnload)
    : services_(services),
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

void frmmain::bindHandlers() {
  view_->onCloseBox.bind([this] { requestUnload_(); });
  SSTab1.onClick.bind([this] { SSTab1_Click(); });
  cmdok.onClick.bind([this] { cmdok_Click(); });
  cmdHelp.onClick.bind([this] { cmdHelp_Click(); });
  chkdeltempfiles.onClick.bind([this] { chkdeltempfiles_Click(); });
  chkEmptyRecycleBin.onClick.bind([this] { chkEmptyRecycleBin_Click(); });
  cmdselectallcookies.onClick.bind([this] { cmdselectallcookies_Click(); });
  cmdselectnocookies.onClick.bind([this] { cmdselectnocookies_Click(); });
  cmdinvertcookiesselection.onClick.bind([this] { cmdinvertcookiesselection_Click(); });
  cmddelcookies.onClick.bind([this] { cmddelcookies_Click(); });
  cmdDelSelFromCache.onClick.bind([this] { cmdDelSelFromCache_Click(); });
  cmdDelAllFromCache.onClick.bind([this] { cmdDelAllFromCache_Click(); });
  cmdinvertcachesel.onClick.bind([this] { cmdinvertcachesel_Click(); });
  URLs.onColumnClick = [this](int column) { URLs_ColumnClick(column); };
  cmdClearHistory.onClick.bind([this] { cmdClearHistory_Click(); });
  cmdWipe.onClick.bind([this] { cmdWipe_Click(); });
  cmdBrowseForFile.onClick.bind([this] { cmdBrowseForFile_Click(); });
  cmdBrowseForFolder.onClick.bind([this] { cmdBrowseForFolder_Click(); });
  cmdcheckForUpdates.onClick.bind([this] { cmdcheckForUpdates_Click(); });
  lblurl.onClick.bind([this] { lblurl_Click(); });
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
