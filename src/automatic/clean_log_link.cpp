#include "app/app_identity.h"
#include "app/frmmain.h"
#include "automatic/clean_log.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "update/web_links.h"

namespace vellox {

// The log opens in the user's own viewer for text, as a web page opens in the browser.
void frmmain::lblcleanlog_Click() {
  const std::string path = cleanLogPath(services_.systemFolders, services_.files);
  std::uint64_t length = 0;
  if (path.empty() || !services_.files.fileLength(path, length).ok()) {
    services_.ui.messageBox("No automatic clean has run yet, so there is no log to open.", kAppTitle,
                            MsgIcon::Information, MsgButtons::Ok, view_->nativeHandle());
    return;
  }
  openURL(services_, path);
}

}  // namespace vellox
