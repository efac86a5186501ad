#pragma once
#include <vector>
#include "browsers/browser_profile.h"
#include "platform/files.h"
#include "platform/system_folders.h"

namespace vellox {

// Every profile of the user's browsers: Chrome, Edge, Brave, Vivaldi, Chromium, Opera,
// Opera GX, then Firefox, LibreWolf and Waterfox; each browser's profiles in the order its own
// list gives them. A browser that is not there, and a listed profile whose folder is gone,
// give nothing. Nothing is written.
std::vector<BrowserProfile> findBrowserProfiles(Files& files, const AppDataFolders& appData);

}  // namespace vellox
