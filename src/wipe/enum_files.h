#pragma once
#include <string>
#include <vector>
#include "platform/files.h"
#include "wipe/left_behind.h"

namespace vellox {

// What a walk met beside the files it appended to foundFiles.
struct WalkResult {
  std::vector<std::string> links;     // links that only name another place: removable as names
  std::vector<LeftBehind> skipped;    // folders not (fully) listed, links that hold data
};

// Appends every file below `path` to `foundFiles`, depth first; `path` gets its trailing
// separator. The walk starts from the literal form of the path and appends each listed
// name exactly as listed. Links are never followed.
WalkResult enumFiles(Files& files, std::vector<std::string>& foundFiles, std::string& path);
// `path` is a literal folder path ending with the separator.
void enumFolder(Files& files, std::vector<std::string>& foundFiles, const std::string& path, WalkResult& result);
std::string trimAtNul(const std::string& text);

}  // namespace vellox
