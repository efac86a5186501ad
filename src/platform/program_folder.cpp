#include "platform/program_folder.h"
#include <cctype>

namespace vellox {

namespace {

// "C:" or "\\?\C:": a drive letter alone, which must keep its separator to name the root.
bool isBareDrive(const std::string& folder) {
  const std::string longPrefix = "\\\\?\\";
  const std::string drive = folder.compare(0, longPrefix.size(), longPrefix) == 0 ? folder.substr(longPrefix.size())
                                                                                 : folder;
  return drive.size() == 2 && drive[1] == ':' && std::isalpha(static_cast<unsigned char>(drive[0]));
}

}  // namespace

std::string folderOfPath(const std::string& path) {
  const auto last = path.find_last_of("\\/");
  if (last == std::string::npos) return {};
  const std::string folder = path.substr(0, last);
  return isBareDrive(folder) ? folder + path[last] : folder;
}

}  // namespace vellox
