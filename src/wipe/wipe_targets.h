#pragma once
#include <string>
#include <vector>
#include "platform/files.h"

namespace vellox {

// The wipe's targets as they will be wiped: literal full paths, empty for an empty field.
struct WipeTargets {
  std::string file;
  std::vector<std::string> files;     // several files dropped at once, in place of `file`
  std::string folder;                 // ends with the separator
  std::vector<std::string> refused;   // field texts that are not full paths
};

// Reads both fields, trimmed; the file field stands for `fileList` while it shows its label.
// Relative text is refused: it would be taken from the current folder, which the user never sees.
WipeTargets wipeTargets(Files& files, const std::string& fileText, const std::string& folderText,
                        const std::vector<std::string>& fileList = {});

// The line added to the warning that names what will be wiped; empty when nothing will.
std::string targetLine(const WipeTargets& targets);
// Says that nothing was wiped, and which texts are not full paths.
std::string refusalMessage(const std::vector<std::string>& refused);

}  // namespace vellox
