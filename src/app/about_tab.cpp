#include "app/about_tab.h"
#include "app/publisher.h"
#include "automatic/clean_log.h"
#include "build_config.h"
#include "common/app_identity.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "update/update_check.h"
#include "update/web_links.h"

namespace vellox {

AboutTab::AboutTab(AboutControls controls, Services& services, TabHost& host)
    : AboutControls(controls), services_(services), host_(host) {
  const auto alive = host.alive();
  bindWhileOpen(cmdcheckForUpdates.onClick, alive, [this] { cmdcheckForUpdates_Click(); });
  bindWhileOpen(lblurl.onClick, alive, [this] { lblurl_Click(); });
  bindWhileOpen(lblcleanlog.onClick, alive, [this] { lblcleanlog_Click(); });
  lblappname.setText(std::string(kAppTitle) + " " + versionText());
  lbladdress.setText(kPublisherAddress);
  lblwarning.setText(kPublisherWarning);
  lblurl.setText(kPublisherHomePage);
  lblcleanlog.setText(kCleanLogLinkText);
}

void AboutTab::cmdcheckForUpdates_Click() { checkForUpdates(); }

void AboutTab::checkForUpdates() { runUpdateCheck(services_, configuredUpdateCheck(), host_.owner()); }

void AboutTab::lblurl_Click() { openURL(services_, build::kHomeUrl); }

// The log opens in the user's own viewer for text, as a web page opens in the browser.
void AboutTab::lblcleanlog_Click() {
  const std::string path = cleanLogPath(services_.systemFolders, services_.files);
  std::uint64_t length = 0;
  if (path.empty() || !services_.files.fileLength(path, length).ok()) {
    services_.ui.messageBox("No automatic clean has run yet, so there is no log to open.", kAppTitle,
                            MsgIcon::Information, MsgButtons::Ok, host_.owner());
    return;
  }
  openURL(services_, path);
}

}  // namespace vellox
