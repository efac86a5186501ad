#include "app/command_line.h"

namespace vellox {

namespace {
constexpr const char* kWipeSwitch = "--wipe";
constexpr const char* kUsage = "\nUse: vellox.exe --wipe \"<path of a file or folder>\"";
}  // namespace

LaunchRequest parseCommandLine(const std::vector<std::string>& args) {
  LaunchRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == kWipeSwitch && !request.wipePath && i + 1 < args.size()) {
      request.wipePath = args[++i];
      continue;
    }
    request.wipePath.reset();
    request.error = args[i] == kWipeSwitch && i + 1 == args.size() ? "The argument --wipe needs a path." + std::string(kUsage)
                                                                   : "Unknown argument: " + args[i] + kUsage;
    break;
  }
  return request;
}

}  // namespace vellox
