#include "common/app_identity.h"
#include "version.h"

namespace vellox {

// Defined here rather than inline, so that another version rebuilds this file alone.
std::string versionText() {
  return std::to_string(VELLOX_VERSION_MAJOR) + "." + std::to_string(VELLOX_VERSION_MINOR);
}

}  // namespace vellox
