#pragma once
#include <memory>
#include <string>
#include "platform/file_node.h"

namespace vellox::test {

// A node over a file service's path calls, for the in-memory and the forwarding services of the
// tests: each call checks that the name still stands for the file that was opened, and refuses
// it as not found when it does not, as a real handle that pins the file would never reach another.
std::unique_ptr<FileNode> openPathNode(Files& files, const std::string& path, FileStatus& status);

}  // namespace vellox::test
