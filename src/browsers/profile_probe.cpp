#include "browsers/profile_probe.h"
#include <algorithm>

namespace vellox {

namespace {

void addOnce(std::vector<std::string>& paths, std::string path) {
  if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(std::move(path));
}

}  // namespace

bool isPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string_view::npos;
}

std::string ProfileProbe::withSeparators(std::string_view text) const {
  std::string path;
  for (char c : text) path += (c == '\\' || c == '/') ? files_.separator() : c;
  return path;
}

std::string ProfileProbe::child(const std::string& folder, std::string_view relative) const {
  std::string path = folder;
  if (path.empty() || path.back() != files_.separator()) path += files_.separator();
  return path + withSeparators(relative);
}

bool ProfileProbe::isFolder(const std::string& path) {
  FileFacts facts;
  return !path.empty() && files_.fileFacts(path, facts).ok() && facts.directory && !facts.link;
}

bool ProfileProbe::isLink(const std::string& path) {
  FileFacts facts;
  return !path.empty() && files_.fileFacts(path, facts).ok() && facts.link;
}

void ProfileProbe::addDatabase(ItemPaths& item, const std::string& folder, std::string_view name) {
  const std::string path = child(folder, name);
  FileFacts facts;
  if (files_.fileFacts(path, facts).ok() && !facts.directory && !facts.link) addOnce(item.databases, path);
}

void ProfileProbe::addFile(ItemPaths& item, const std::string& folder, std::string_view name) {
  const std::string path = child(folder, name);
  FileFacts facts;
  if (files_.fileFacts(path, facts).ok() && !facts.directory) addOnce(item.files, path);
}

void ProfileProbe::addFolder(ItemPaths& item, const std::string& folder, std::string_view name) {
  const std::string path = child(folder, name);
  FileFacts facts;
  if (files_.fileFacts(path, facts).ok() && facts.directory) addOnce(item.folders, path);
}

}  // namespace vellox
