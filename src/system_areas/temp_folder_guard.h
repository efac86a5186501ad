#pragma once
#include <optional>
#include <string>
#include "erase/scope_rule.h"
#include "platform/system_folders.h"

namespace vellox {

// Whether the temporary folder `tempPath` may be cleared. It may not when it
// is missing, a drive's root, or a folder of the user or of the system that
// TMP or TEMP was pointed at by mistake; the result is then the message that
// names the folder and says why.
// Beyond the scope rule, it may only be a folder for temporary files.
std::optional<std::string> tempFolderRefusal(const ScopeRule& rule, const std::string& tempPath);
// The same without the program's own folders.
std::optional<std::string> tempFolderRefusal(SystemFolders& system, const std::string& tempPath);

// Whether `folder` lies below `outer` (not `outer` itself), both taken where they
// really lead, compared a folder level at a time as the file system names them.
bool folderInside(SystemFolders& system, const std::string& folder, const std::string& outer);

}  // namespace vellox
