#pragma once
#include <string>
#include <vector>
#include "platform/files.h"

namespace vellox {

// Full paths of the files found; element 0 is the callers' empty placeholder.
extern std::vector<std::string> foundFiles;

// Appends every file below `path` to foundFiles, depth first; `path` gets its
// trailing separator. Links are never followed or listed.
void enumFiles(Files& files, std::string& path);
void enumFolder(Files& files, const std::string& path);
std::string trimAtNul(const std::string& text);

}  // namespace vellox
