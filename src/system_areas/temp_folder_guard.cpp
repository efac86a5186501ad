#include "system_areas/temp_folder_guard.h"
#include <vector>

namespace vellox {

namespace {

constexpr const char* kAdvice =
    ".\n\nPoint the TMP and TEMP environment variables at a folder that holds only temporary files.";

// What the folder is, in the words of the message, among the folders that keep what programs
// install and the Windows folder; empty when it is none of them.
std::string insideRole(const std::string& folder, const std::vector<SystemFolder>& known, const FolderPaths& paths,
                       SystemFolders& system) {
  for (const auto& p : known) {
    const std::string place = resolvedFolder(system, p.path);
    switch (p.kind) {
      case SystemFolderKind::Windows:
        // The Windows folder's own Temp is a temporary folder like any other.
        if (paths.within(folder, place) && !paths.within(folder, place + "\\Temp"))
          return "is inside the Windows folder, " + place;
        break;
      case SystemFolderKind::Programs:
        if (paths.within(folder, place)) return "is inside the " + p.name + " folder, " + place;
        break;
      default:
        break;
    }
  }
  return {};
}

// Where temporary files are kept: a folder named so, or one below such a folder inside the
// user's profile or the Windows folder (where the system keeps its own temporary folders).
bool looksTemporary(SystemFolders& system, const std::string& folder, const FolderPaths& paths) {
  const auto isTempName = [&](const std::string& name) { return system.sameName(name, "Temp") || system.sameName(name, "Tmp"); };
  if (isTempName(folder.substr(folder.find_last_of("\\/") + 1))) return true;
  for (const auto& p : system.protectedFolders()) {
    if (p.kind != SystemFolderKind::Windows && p.kind != SystemFolderKind::Profile) continue;
    const std::string home = resolvedFolder(system, p.path);
    if (!paths.within(folder, home)) continue;
    // Each folder between `home` and `folder` may be the temporary folder it lies in.
    for (std::size_t cut = home.size(); (cut = folder.find_first_of("\\/", cut + 1)) != std::string::npos;) {
      const std::string above = folder.substr(0, cut);
      if (isTempName(above.substr(above.find_last_of("\\/") + 1))) return true;
    }
  }
  return false;
}

// The folder stands on a line of its own, so a long path is not broken at the line's end.
std::string refusal(const std::string& subject, const std::string& why) {
  return "The temporary folder was not cleared:\n\n" + subject + "\n" + why + kAdvice;
}

}  // namespace

std::optional<std::string> tempFolderRefusal(const ScopeRule& rule, const std::string& tempPath) {
  SystemFolders& system = rule.system();
  const FolderLookup lookup = system.resolve(lookupForm(tempPath));
  switch (lookup.state) {
    case FolderState::Missing: return refusal(tempPath, "does not exist");
    case FolderState::NotAFolder: return refusal(tempPath, "is not a folder");
    case FolderState::Unreadable: return refusal(tempPath, "could not be opened to check where it leads");
    case FolderState::Folder: break;
  }
  const FolderPaths paths(system);
  const std::string folder = withoutTrailingSeparators(lookup.finalPath);
  const std::string subject =
      paths.same(tempPath, folder) ? tempPath : tempPath + "\nwhich leads to " + folder;
  if (isDriveRoot(folder)) return refusal(subject, "is the root of a drive");
  // Inside the Windows or a program folder says more than "is the known folder System".
  const std::string role = insideRole(folder, system.protectedFolders(), paths, system);
  if (auto why = rule.refusal(folder); why && (role.empty() || why->find("the known folder") == std::string::npos))
    return refusal(subject, *why);
  if (!role.empty()) return refusal(subject, role);
  if (!looksTemporary(system, folder, paths)) return refusal(subject, "is not a folder for temporary files");
  return std::nullopt;
}

std::optional<std::string> tempFolderRefusal(SystemFolders& system, const std::string& tempPath) {
  return tempFolderRefusal(ScopeRule(system, {}), tempPath);
}

bool folderInside(SystemFolders& system, const std::string& folder, const std::string& outer) {
  const FolderLookup inner = system.resolve(lookupForm(folder));
  const FolderLookup around = system.resolve(lookupForm(outer));
  if (inner.state != FolderState::Folder || around.state != FolderState::Folder) return false;
  const FolderPaths paths(system);
  return paths.within(inner.finalPath, around.finalPath) && !paths.same(inner.finalPath, around.finalPath);
}

}  // namespace vellox
