#pragma once
#include <string>
#include <vector>

namespace vellox {

enum class FolderState { Folder, Missing, NotAFolder, Unreadable };

// Where a path really leads: links, junctions, short names and letter case
// resolved by the system. `finalPath` is set only for a folder.
struct FolderLookup {
  FolderState state = FolderState::Missing;
  std::string finalPath;
};

enum class SystemFolderKind {
  Profile,     // the user's profile folder
  UserFolder,  // Desktop, Documents, Downloads, Pictures, Music, Videos
  Windows,     // the Windows folder
  Programs,    // Program Files and the like: what installed programs own
  Known,       // any other known folder of the user or of the system
};

struct SystemFolder {
  SystemFolderKind kind;
  std::string name;  // as the user knows it: "Documents", "Program Files (x86)"
  std::string path;  // as the system gives it, not resolved
};

// Where programs keep the user's data: the local folder stays on this machine, the
// roaming one may follow the user to others. Empty when the system has none.
struct AppDataFolders {
  std::string local;    // %LOCALAPPDATA%
  std::string roaming;  // %APPDATA%
};

// The folders of the user and of the system that no cleaning may treat as its own.
class SystemFolders {
 public:
  virtual ~SystemFolders() = default;
  virtual FolderLookup resolve(const std::string& path) = 0;
  // Every known folder of the user and of the system that has a place on disk here, moved ones
  // included; one this machine does not have is left out.
  virtual std::vector<SystemFolder> protectedFolders() = 0;
  // Where the system itself keeps the cookies of its own web components, newest place first.
  virtual std::vector<std::string> cookieFolders() = 0;
  // Whether two names of one folder level are the same to the file system:
  // letter case ignored by the system's own rules, for every alphabet.
  virtual bool sameName(const std::string& a, const std::string& b) = 0;
  virtual AppDataFolders appDataFolders() = 0;
};

}  // namespace vellox
