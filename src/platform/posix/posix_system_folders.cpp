#include "platform/posix/posix_system_folders.h"
#include <sys/stat.h>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace vellox::posix {

namespace {

class PosixSystemFolders : public SystemFolders {
 public:
  PosixSystemFolders(std::vector<SystemFolder> folders, AppDataFolders appData)
      : folders_(std::move(folders)), appData_(std::move(appData)) {}

  FolderLookup resolve(const std::string& path) override {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
      return {errno == ENOENT || errno == ENOTDIR ? FolderState::Missing : FolderState::Unreadable, {}};
    if (!S_ISDIR(st.st_mode)) return {FolderState::NotAFolder, {}};
    char real[PATH_MAX];
    if (!::realpath(path.c_str(), real)) return {FolderState::Unreadable, {}};
    return {FolderState::Folder, real};
  }
  std::vector<SystemFolder> protectedFolders() override { return folders_; }
  std::vector<std::string> cookieFolders() override { return {}; }
  bool sameName(const std::string& a, const std::string& b) override { return a == b; }
  AppDataFolders appDataFolders() override { return appData_; }

 private:
  std::vector<SystemFolder> folders_;
  AppDataFolders appData_;
};

}  // namespace

std::unique_ptr<SystemFolders> makeSystemFolders(std::vector<SystemFolder> protectedFolders, AppDataFolders appData) {
  return std::make_unique<PosixSystemFolders>(std::move(protectedFolders), std::move(appData));
}

}  // namespace vellox::posix
