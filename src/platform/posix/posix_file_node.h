#pragma once
#include <memory>
#include <string>
#include "platform/file_node.h"

namespace vellox::posix {

// Opens `path` without following its last name: the folder above is opened first and the name
// relative to it, with O_PATH and O_NOFOLLOW, so every later step works on what was opened.
std::unique_ptr<FileNode> openPosixNode(const std::string& path, FileStatus& status);

}  // namespace vellox::posix
