#pragma once
#include <vector>
#include "browsers/browser_profile.h"
#include "erase/scope_rule.h"
#include "platform/files.h"
#include "platform/system_folders.h"

namespace vellox {

// Every profile of the user's browsers: Chrome, Edge, Brave, Vivaldi, Chromium, Opera,
// Opera GX, then Firefox, LibreWolf and Waterfox; each browser's profiles in the order its own
// list gives them. A browser that is not there, and a listed profile whose folder is gone,
// give nothing. A data or profile folder moved behind a link is followed where `rule` lets it be
// cleared, and listed as refused otherwise. Nothing is written.
std::vector<BrowserProfile> findBrowserProfiles(Files& files, const AppDataFolders& appData, const ScopeRule& rule);

}  // namespace vellox
