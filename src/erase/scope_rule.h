#pragma once
#include <optional>
#include <string>
#include <vector>
#include "platform/system_folders.h"

namespace vellox {

struct Services;

// The one rule for what the program may clear on its own, where the user did not point: never
// a drive or share root, never a folder that is a known folder of the user or of the system or
// holds one (moved ones included, each taken where it really leads), and never the program's
// own install or data folder, or what lies in them.
class ScopeRule {
 public:
  ScopeRule(SystemFolders& system, std::vector<std::string> ownFolders);
  // What is wrong with clearing `folder` (as the message says it: "is your Documents folder");
  // nothing when it may be cleared. `except` names known folders that this clearing is for.
  std::optional<std::string> refusal(const std::string& folder, const std::vector<std::string>& except = {}) const;
  SystemFolders& system() const { return system_; }

 private:
  SystemFolders& system_;
  std::vector<std::string> ownFolders_;
};

// Of the cookie folder that a registry value names: it is cleaned on its own only where it is the
// system's own cookie folder, and then within the rule. Why not; nothing when it may be.
std::optional<std::string> cookieFolderRefusal(const ScopeRule& rule, const std::string& folder);

// The rule with this program's own folders: where it runs from and where it keeps its data.
ScopeRule scopeRule(Services& services);

// Folder paths compared a level at a time, as the file system names them.
class FolderPaths {
 public:
  explicit FolderPaths(SystemFolders& system) : system_(system) {}
  // True when `inner` is `outer` or lies below it.
  bool within(const std::string& inner, const std::string& outer) const;
  bool same(const std::string& a, const std::string& b) const;

 private:
  SystemFolders& system_;
};

// "C:\a\" and "C:\a" alike as "C:\a"; a root keeps what names it.
std::string withoutTrailingSeparators(std::string path);
// The path to ask the system about: "C:" alone would mean the drive's current folder.
std::string lookupForm(const std::string& path);
bool isDriveRoot(const std::string& path);
// Where `path` really leads when it is a folder; the path as it is otherwise.
std::string resolvedFolder(SystemFolders& system, const std::string& path);

}  // namespace vellox
