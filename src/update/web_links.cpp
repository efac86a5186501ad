#include "update/web_links.h"
#include "platform/download.h"
#include "platform/shell.h"

namespace vellox {

bool downloadFile(Services& services, const std::string& url, const std::string& path) {
  return services.download.downloadToFile(url, path);
}

void openURL(Services& services, const std::string& url) { services.shell.openUrl(url); }

}  // namespace vellox
