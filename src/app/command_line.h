#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vellox {

// What the program was started to do, read from its arguments.
struct LaunchRequest {
  // --wipe "<path>": show that file or folder on the Secure Wipe tab with the warning up.
  std::optional<std::string> wipePath;
  // Not empty: the arguments are not understood, and this says why; the program ends.
  std::string error;
};

// `args` without the program's own name.
LaunchRequest parseCommandLine(const std::vector<std::string>& args);

}  // namespace vellox
