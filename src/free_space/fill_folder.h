#pragma once
#include <string>
#include <vector>
#include "platform/files.h"
#include "platform/free_space.h"
#include "erase/scope_rule.h"
#include "platform/system_folders.h"

namespace vellox {

// Where the fill files of `drive` go: the user's temporary folder when it is on that volume,
// otherwise a folder at the volume's root, which standard users may create. Ends with the
// separator.
std::string fillFolderFor(FreeSpace& space, Files& files, const Drive& drive);

struct LeftoverCleanup {
  std::size_t files = 0;      // fill files removed
  std::size_t folders = 0;    // fill folders removed
  std::size_t failures = 0;   // fill files or folders that stayed
  std::vector<std::string> places;  // the fill folders where something was found
};

// After a power cut the fill files may outlive the fill. Removes, in the fill folders of
// the temporary folder and of every writable drive's root, the files whose names are fill
// names, then each folder left empty; nothing else is touched, and no folder the scope rule refuses.
LeftoverCleanup removeFillLeftovers(FreeSpace& space, Files& files, const ScopeRule& rule);

// The clean log's line for a clean-up that found something; empty when it found nothing.
std::string leftoverLogLine(const LeftoverCleanup& cleanup);

// At start-up: removes the leftovers and, when there were any, says so in the clean log.
LeftoverCleanup recoverFillLeftovers(FreeSpace& space, Files& files, SystemFolders& system);

}  // namespace vellox
