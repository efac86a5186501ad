#include "erase/scope_rule.h"
#include <algorithm>
#include "platform/instance.h"
#include "platform/services.h"

namespace vellox {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// "C:\a\b" gives {"C:", "a", "b"}; "\\server\share" gives {"", "", "server", "share"}.
std::vector<std::string> components(const std::string& path) {
  std::vector<std::string> parts(1);
  for (char c : withoutTrailingSeparators(path)) {
    if (isSeparator(c)) parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

std::string roleOf(const SystemFolder& known) {
  switch (known.kind) {
    case SystemFolderKind::Profile: return "your user profile folder";
    case SystemFolderKind::UserFolder: return "your " + known.name + " folder";
    case SystemFolderKind::Windows: return "the Windows folder";
    case SystemFolderKind::Programs: return "the " + known.name + " folder";
    case SystemFolderKind::Known: break;
  }
  return "the known folder " + known.name;
}

}  // namespace

std::string withoutTrailingSeparators(std::string path) {
  while (!path.empty() && isSeparator(path.back())) path.pop_back();
  return path;
}

std::string lookupForm(const std::string& path) {
  std::string trimmed = withoutTrailingSeparators(path);
  if (trimmed.empty()) return path;
  if (trimmed.size() == 2 && trimmed[1] == ':') trimmed += '\\';
  return trimmed;
}

bool isDriveRoot(const std::string& path) {
  const auto parts = components(path);
  const bool drive = parts.size() == 1 && parts[0].size() == 2 && parts[0][1] == ':';
  const bool share = parts.size() == 4 && parts[0].empty() && parts[1].empty();
  return drive || share;
}

std::string resolvedFolder(SystemFolders& system, const std::string& path) {
  const FolderLookup lookup = system.resolve(lookupForm(path));
  return withoutTrailingSeparators(lookup.state == FolderState::Folder ? lookup.finalPath : path);
}

bool FolderPaths::within(const std::string& inner, const std::string& outer) const {
  const auto in = components(inner), out = components(outer);
  if (in.size() < out.size()) return false;
  for (std::size_t i = 0; i < out.size(); ++i)
    if (!system_.sameName(in[i], out[i])) return false;
  return true;
}

bool FolderPaths::same(const std::string& a, const std::string& b) const {
  return components(a).size() == components(b).size() && within(a, b);
}

ScopeRule::ScopeRule(SystemFolders& system, std::vector<std::string> ownFolders)
    : system_(system), ownFolders_(std::move(ownFolders)) {}

std::optional<std::string> ScopeRule::refusal(const std::string& folder, const std::vector<std::string>& except) const {
  const std::string where = resolvedFolder(system_, folder);
  if (isDriveRoot(where)) return "is the root of a drive";
  const FolderPaths paths(system_);
  std::vector<std::string> allowed;
  for (const auto& path : except) allowed.push_back(resolvedFolder(system_, path));
  const auto isAllowed = [&](const std::string& known) {
    for (const auto& path : allowed)
      if (paths.same(known, path)) return true;
    return false;
  };
  // The user's and the system's named folders are named first; among many, the closest says most.
  std::vector<std::pair<SystemFolder, std::string>> places;
  for (const auto& known : system_.protectedFolders()) {
    std::string place = resolvedFolder(system_, known.path);
    if (!place.empty() && !isAllowed(place)) places.emplace_back(known, std::move(place));
  }
  std::stable_sort(places.begin(), places.end(),
                   [](const auto& a, const auto& b) { return a.first.kind < b.first.kind; });
  for (const auto& [known, place] : places) {
    if (paths.same(where, place)) return "is " + roleOf(known);
    if (paths.within(place, where)) return "holds " + roleOf(known) + ", " + place;
  }
  for (const auto& own : ownFolders_) {
    const std::string place = resolvedFolder(system_, own);
    // A folder holding the program's may still be cleared: the program's own files are in use.
    if (!place.empty() && paths.within(where, place))
      return "is a folder of Tarn Vellox's own, " + own;
  }
  return std::nullopt;
}

std::optional<std::string> cookieFolderRefusal(const ScopeRule& rule, const std::string& folder) {
  SystemFolders& system = rule.system();
  const std::vector<std::string> own = system.cookieFolders();
  const FolderPaths paths(system);
  const std::string where = resolvedFolder(system, folder);
  for (const auto& cookies : own)
    if (!cookies.empty() && paths.same(where, resolvedFolder(system, cookies))) return rule.refusal(where, own);
  return "is not the system's own cookie folder";
}

ScopeRule scopeRule(Services& services) {
  std::vector<std::string> own{services.instance.programFolder()};
  const std::string data = services.systemFolders.appDataFolders().local;
  if (!data.empty()) own.push_back(data + "\\Tarn Vellox");
  std::erase_if(own, [](const std::string& path) { return path.empty(); });
  return ScopeRule(services.systemFolders, std::move(own));
}

}  // namespace vellox
