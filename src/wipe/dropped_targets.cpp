#include "wipe/dropped_targets.h"

namespace vellox {

namespace {
constexpr const char* kOneFolderOnly = "A wipe takes one folder at a time. Drop a single folder.";
}

TargetPlacement placeTargets(Files& files, const std::vector<std::string>& paths) {
  std::vector<std::string> folders, fileList;
  for (const auto& path : paths) {
    FileFacts facts;
    (files.fileFacts(path, facts).ok() && facts.directory ? folders : fileList).push_back(path);
  }
  TargetPlacement placement;
  if (folders.size() > 1) {
    placement.refusal = kOneFolderOnly;
    return placement;
  }
  if (!folders.empty()) placement.folder = folders.front();
  if (fileList.size() == 1) placement.file = fileList.front();
  if (fileList.size() > 1) {
    placement.file = fileListLabel(fileList.size());
    placement.fileList = std::move(fileList);
  }
  return placement;
}

std::string fileListLabel(std::size_t count) { return std::to_string(count) + " files"; }

std::vector<std::string> fileTargets(const std::string& fieldText, const std::vector<std::string>& fileList) {
  if (fileList.size() > 1 && fieldText == fileListLabel(fileList.size())) return fileList;
  return {fieldText};
}

}  // namespace vellox
