#include "app/command_line.h"
#include "common/app_identity.h"

namespace vellox {

namespace {
constexpr const char* kWipeSwitch = "--wipe";
std::string usage() { return std::string("\nUse: ") + kExeBaseName + ".exe --wipe \"<path of a file or folder>\""; }
}  // namespace

LaunchRequest parseCommandLine(const std::vector<std::string>& args) {
  LaunchRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == kWipeSwitch && !request.wipePath && i + 1 < args.size()) {
      request.wipePath = args[++i];
      continue;
    }
    request.wipePath.reset();
    request.error = args[i] == kWipeSwitch && i + 1 == args.size() ? "The argument --wipe needs a path." + usage()
                                                                   : "Unknown argument: " + args[i] + usage();
    break;
  }
  return request;
}

}  // namespace vellox
