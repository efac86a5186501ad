#include "app/command_line.h"
#include "common/app_identity.h"

namespace vellox {

namespace {
constexpr const char* kWipeSwitch = "--wipe";
constexpr const char* kFreeSpaceSwitch = "--wipe-free-space";
constexpr const char* kYesSwitch = "--yes";

std::string usage() {
  const std::string exe = std::string(kExeBaseName) + ".exe";
  return "\nUse: " + exe + " --wipe \"<path of a file or folder>\"\n  or " + exe + " --wipe-free-space D: [--yes]";
}

LaunchRequest refused(const std::string& why) {
  LaunchRequest request;
  request.error = why + usage();
  return request;
}
}  // namespace

LaunchRequest parseCommandLine(const std::vector<std::string>& args) {
  LaunchRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool first = !request.wipePath && !request.wipeFreeSpace;
    const bool last = i + 1 == args.size();
    if (arg == kWipeSwitch && first) {
      if (last) return refused("The argument --wipe needs a path.");
      request.wipePath = args[++i];
    } else if (arg == kFreeSpaceSwitch && first) {
      if (last || args[i + 1].rfind("--", 0) == 0)
        return refused("The argument --wipe-free-space needs a drive, such as D:.");
      request.wipeFreeSpace = args[++i];
    } else if (arg == kYesSwitch && !request.yes) {
      request.yes = true;
    } else {
      return refused("Unknown argument: " + arg);
    }
  }
  if (request.yes && !request.wipeFreeSpace) return refused("The argument --yes goes with --wipe-free-space.");
  return request;
}

}  // namespace vellox
