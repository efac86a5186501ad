#include "update/web_links.h"
#include "app/frmmain.h"
#include "build_config.h"
#include "platform/download.h"
#include "platform/shell.h"

namespace vellox {

bool downloadFile(Services& services, const std::string& url, const std::string& path) {
  return services.download.downloadToFile(url, path);
}

void openURL(Services& services, const std::string& url) { services.shell.openUrl(url); }

void frmmain::cmdHelp_Click() { openURL(services_, build::kHelpUrl); }

void frmmain::lblurl_Click() { openURL(services_, build::kHomeUrl); }

}  // namespace vellox
