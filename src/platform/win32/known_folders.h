#pragma once
#include <windows.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include "platform/system_folders.h"

namespace vellox::win32 {

// The folder's path as the system gives it, moved or not, without checking that it is there;
// empty for a folder that has none.
std::string knownFolderPath(const KNOWNFOLDERID& id);

// Every known folder the system defines that has a place on disk. Where the system cannot list
// them, the ones the program names itself.
std::vector<SystemFolder> everyKnownFolder();

}  // namespace vellox::win32
