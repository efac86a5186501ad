#pragma once
#include <optional>
#include <string>
#include <vector>
#include "browsers/browser_profile.h"
#include "platform/files.h"

namespace vellox {

// The URLs of the profile's bookmarks, whose icons stay when the history goes: Chromium's
// "Bookmarks" file, Firefox's bookmarked places. Nothing when they exist but cannot be read;
// an empty list when there are none.
std::optional<std::vector<std::string>> bookmarkedPages(Files& files, const BrowserProfile& profile);

}  // namespace vellox
