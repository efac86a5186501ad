#pragma once
#include <string>
#include "platform/files.h"

namespace vellox {

// Where the cookie folder is named: a per-user value that anything can change.
inline constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kCookiesValue = "Cookies";

// Whether an entry of the cookie folder is a cookie file the list shows.
bool isCookieFile(const DirEntry& entry, bool showIndexDat);

// Deletes a cookie file; one refused for its attributes is made normal and tried once
// more. With `securePasses` above 0 it is shredded with that many passes instead.
bool removeCookieFile(Files& files, const std::string& path, int securePasses);

}  // namespace vellox
