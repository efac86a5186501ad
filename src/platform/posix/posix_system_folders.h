#pragma once
#include <memory>
#include <vector>
#include "platform/system_folders.h"

namespace vellox::posix {

// The system-folder service over POSIX calls, for native runs: paths resolve through every
// symbolic link, names compare byte for byte, and the protected and app-data folders are
// the ones the caller names, since POSIX has no list of its own.
std::unique_ptr<SystemFolders> makeSystemFolders(std::vector<SystemFolder> protectedFolders, AppDataFolders appData);

}  // namespace vellox::posix
