#include "wipe/left_behind.h"

namespace vellox {

std::string causeOf(const FileStatus& status) {
  switch (status.code) {
    case FileErrc::InUse:
      return "in use by another program";
    case FileErrc::AccessDenied:
      return "access denied";
    default:
      return status.description.empty() ? "error " + std::to_string(status.native) : status.description;
  }
}

std::string shownPath(const std::string& path) {
  if (path.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + path.substr(8);
  if (path.rfind("\\\\?\\", 0) == 0) return path.substr(4);
  return path;
}

}  // namespace vellox
