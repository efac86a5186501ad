#include "browsers/profile_probe.h"
#include <algorithm>

namespace vellox {

namespace {

void addOnce(std::vector<std::string>& paths, std::string path) {
  if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(std::move(path));
}

}  // namespace

void addRefusedDataFolder(std::vector<BrowserProfile>& found, BrowserFamily family, const char* browser,
                          const char* profile, const FollowedFolder& data) {
  BrowserProfile p{family, browser, profile, data.path};
  p.refused = data.refused;
  found.push_back(std::move(p));
}

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
  if (!files_.fileFacts(path, facts).ok()) return;
  // What lies behind the link was never the browser's to clean here: it is named, not entered.
  if (facts.link)
    nameLink(item, path);
  else if (facts.directory)
    addOnce(item.folders, path);
}

void ProfileProbe::nameLink(ItemPaths& item, const std::string& path) {
  auto& linked = item.linkedFolders;
  if (std::any_of(linked.begin(), linked.end(), [&](const auto& link) { return link.first == path; })) return;
  const FolderLookup target = rule_.system().resolve(path);
  linked.emplace_back(path, target.state == FolderState::Folder ? target.finalPath : "");
}

FollowedFolder ProfileProbe::follow(const std::string& folder) {
  if (!isLink(folder)) return {folder, false, ""};
  const FolderLookup target = rule_.system().resolve(folder);
  const std::string unreachable = "its folder is a link to a place that cannot be opened";
  if (target.state != FolderState::Folder) return {folder, false, unreachable};
  if (auto why = rule_.refusal(target.finalPath))
    return {folder, false, "its folder is a link to " + target.finalPath + ", which " + *why};
  // The place itself is named from now on, and the gate opens it as a folder, never as a link.
  if (!isFolder(target.finalPath)) return {folder, false, unreachable};
  return {target.finalPath, true, ""};
}

FollowedFolder ProfileProbe::followBelow(const FollowedFolder& base, std::string_view relative) {
  if (!base.refused.empty()) return base;
  FollowedFolder at = base;
  std::string name;
  const std::string levels = withSeparators(relative) + files_.separator();
  for (char c : levels) {
    if (c != files_.separator()) {
      name += c;
      continue;
    }
    if (name.empty()) continue;
    FollowedFolder next = follow(child(at.path, name));
    name.clear();
    if (!next.refused.empty()) return next;
    next.moved = next.moved || at.moved;
    at = std::move(next);
  }
  return at;
}

}  // namespace vellox
