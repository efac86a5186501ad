#pragma once
#include <cstdint>
#include <string>
#include "platform/services.h"

namespace vellox {

struct UpdateCheck {
  std::string versionUrl;   // the maker's version file
  std::string downloadUrl;  // opened when the user wants the newer version
  std::string ownVersion;   // major "." minor
};

// The endpoints this build was configured with, and this program's version.
UpdateCheck configuredUpdateCheck();

// Where the version file is fetched to: the program folder, or a new file of a
// unique name in the user's temporary folder when the program folder refuses writing.
std::string localCopyPath(Services& services);

// Fetches and compares the version file and tells the user, in message boxes
// owned by `owner`. The local copy never outlives the check.
void runUpdateCheck(Services& services, const UpdateCheck& check, std::uintptr_t owner);

}  // namespace vellox
