#pragma once
#include <map>
#include <memory>
#include <string>
#include "erase/tree_walk.h"

namespace vellox {

// Names the user gave, opened as given and then held through the folder they are in, so that a
// batch of thousands of dropped files holds one handle per folder instead of one per file.
class GivenNames {
 public:
  explicit GivenNames(Files& files) : files_(files) {}

  // The name opened exactly as given; null with `status` when it cannot be.
  std::shared_ptr<FileNode> open(const std::string& path, FileStatus& status);

  // The opened name as the gate will reach it again: through its open folder when that folder
  // opens plainly and leads to the same file, else through the name's own handle.
  FoundName found(const std::string& path, std::shared_ptr<FileNode> node);

 private:
  std::shared_ptr<FileNode> folderOf(const std::string& literal);

  Files& files_;
  std::map<std::string, std::shared_ptr<FileNode>> folders_;  // by literal path; null when not plain
};

}  // namespace vellox
