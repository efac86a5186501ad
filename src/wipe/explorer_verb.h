#pragma once
#include <string>
#include "platform/services.h"

namespace vellox {

// "Shred with Tarn Vellox" in Explorer's menu of files and folders, for this user only.
inline constexpr const char* kExplorerVerbText = "Shred with Tarn Vellox";
inline constexpr const char* kFileVerbKey = "Software\\Classes\\*\\shell\\TarnVellox.Shred";
inline constexpr const char* kFolderVerbKey = "Software\\Classes\\Directory\\shell\\TarnVellox.Shred";

// The command Explorer runs, with the item's path for %1: both quoted, for blanks.
std::string explorerVerbCommand(Services& services);
// Both keys hold a command.
bool explorerVerbPresent(Services& services);
// Adds or removes the verb on files and folders; the registry's error code, kRegOk on success.
long setExplorerVerb(Services& services, bool present);

}  // namespace vellox
