#pragma once
#include <string>
#include "platform/services.h"

namespace vellox {

// Fetches `url` into `path`; true exactly when the download succeeded.
bool downloadFile(Services& services, const std::string& url, const std::string& path);
// Hands `url` to the shell; a failure is ignored.
void openURL(Services& services, const std::string& url);

}  // namespace vellox
