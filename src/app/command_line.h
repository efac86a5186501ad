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
  // --wipe-free-space D: fills and releases the free space of that drive, then ends; --yes
  // skips the warning.
  std::optional<std::string> wipeFreeSpace;
  bool yes = false;
};

// `args` without the program's own name.
LaunchRequest parseCommandLine(const std::vector<std::string>& args);

}  // namespace vellox
