#include "system_areas/temp_folder_guard.h"
#include <vector>

namespace vellox {

namespace {

constexpr const char* kAdvice =
    ".\n\nPoint the TMP and TEMP environment variables at a folder that holds only temporary files.";

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::string withoutTrailingSeparators(std::string path) {
  while (!path.empty() && isSeparator(path.back())) path.pop_back();
  return path;
}

// The path to ask the system about: "C:" alone would mean the drive's current folder.
std::string lookupForm(const std::string& path) {
  std::string trimmed = withoutTrailingSeparators(path);
  if (trimmed.empty()) return path;
  if (trimmed.size() == 2 && trimmed[1] == ':') trimmed += '\\';
  return trimmed;
}

// "C:\a\b" gives {"C:", "a", "b"}; "\\server\share" gives {"", "", "server", "share"}.
std::vector<std::string> components(const std::string& path) {
  std::vector<std::string> parts(1);
  for (char c : withoutTrailingSeparators(path)) {
    if (isSeparator(c)) parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

bool isDriveRoot(const std::string& path) {
  const auto parts = components(path);
  const bool drive = parts.size() == 1 && parts[0].size() == 2 && parts[0][1] == ':';
  const bool share = parts.size() == 4 && parts[0].empty() && parts[1].empty();
  return drive || share;
}

class Paths {
 public:
  explicit Paths(SystemFolders& system) : system_(system) {}

  // True when `inner` is `outer` or lies below it.
  bool within(const std::string& inner, const std::string& outer) const {
    const auto in = components(inner), out = components(outer);
    if (in.size() < out.size()) return false;
    for (std::size_t i = 0; i < out.size(); ++i)
      if (!system_.sameName(in[i], out[i])) return false;
    return true;
  }
  bool same(const std::string& a, const std::string& b) const {
    return components(a).size() == components(b).size() && within(a, b);
  }

 private:
  SystemFolders& system_;
};

// What the folder is, in the words of the message; empty when it is none of the protected ones.
std::string protectedRole(const std::string& folder, const std::vector<SystemFolder>& protectedFolders,
                          const Paths& paths) {
  for (const auto& p : protectedFolders) {
    if (!paths.same(folder, p.path)) continue;
    switch (p.kind) {
      case SystemFolderKind::Profile: return "is your user profile folder";
      case SystemFolderKind::UserFolder: return "is your " + p.name + " folder";
      case SystemFolderKind::Windows: return "is the Windows folder";
      case SystemFolderKind::Programs: return "is the " + p.name + " folder";
    }
  }
  for (const auto& p : protectedFolders) {
    switch (p.kind) {
      case SystemFolderKind::Profile:
        if (paths.within(p.path, folder)) return "holds your user profile folder, " + p.path;
        break;
      case SystemFolderKind::Windows:
        // The Windows folder's own Temp is a temporary folder like any other.
        if (paths.within(folder, p.path) && !paths.within(folder, p.path + "\\Temp"))
          return "is inside the Windows folder, " + p.path;
        break;
      case SystemFolderKind::Programs:
        if (paths.within(folder, p.path)) return "is inside the " + p.name + " folder, " + p.path;
        break;
      case SystemFolderKind::UserFolder:
        break;
    }
  }
  return {};
}

// The protected folders where they really lead, so a link cannot hide one.
std::vector<SystemFolder> resolved(SystemFolders& system) {
  auto folders = system.protectedFolders();
  for (auto& f : folders) {
    const auto lookup = system.resolve(lookupForm(f.path));
    f.path = withoutTrailingSeparators(lookup.state == FolderState::Folder ? lookup.finalPath : f.path);
  }
  std::erase_if(folders, [](const SystemFolder& f) { return f.path.empty(); });
  return folders;
}

// The folder stands on a line of its own, so a long path is not broken at the line's end.
std::string refusal(const std::string& subject, const std::string& why) {
  return "The temporary folder was not cleared:\n\n" + subject + "\n" + why + kAdvice;
}

}  // namespace

std::optional<std::string> tempFolderRefusal(SystemFolders& system, const std::string& tempPath) {
  const FolderLookup lookup = system.resolve(lookupForm(tempPath));
  switch (lookup.state) {
    case FolderState::Missing: return refusal(tempPath, "does not exist");
    case FolderState::NotAFolder: return refusal(tempPath, "is not a folder");
    case FolderState::Unreadable: return refusal(tempPath, "could not be opened to check where it leads");
    case FolderState::Folder: break;
  }
  const Paths paths(system);
  const std::string& folder = lookup.finalPath;
  const std::string subject =
      paths.same(tempPath, folder) ? tempPath : tempPath + "\nwhich leads to " + withoutTrailingSeparators(folder);
  if (isDriveRoot(folder)) return refusal(subject, "is the root of a drive");
  const std::string role = protectedRole(folder, resolved(system), paths);
  if (!role.empty()) return refusal(subject, role);
  return std::nullopt;
}

bool folderInside(SystemFolders& system, const std::string& folder, const std::string& outer) {
  const FolderLookup inner = system.resolve(lookupForm(folder));
  const FolderLookup around = system.resolve(lookupForm(outer));
  if (inner.state != FolderState::Folder || around.state != FolderState::Folder) return false;
  const Paths paths(system);
  return paths.within(inner.finalPath, around.finalPath) && !paths.same(inner.finalPath, around.finalPath);
}

}  // namespace vellox
