#include <filesystem>
#include "contracts/folder_links_contract.h"
#include "platform/posix/posix_system_folders.h"
#include "wipe/temp_dir.h"

namespace vellox::test {
namespace {

struct PosixSystemFoldersEnv {
  TempDir dir;
  std::unique_ptr<SystemFolders> folders = posix::makeSystemFolders({}, {});
  SystemFolders& service() { return *folders; }
  std::string root() const { return std::filesystem::canonical(dir.path()).string(); }
  std::string join(const std::string& folder, const std::string& name) const { return folder + "/" + name; }
  void makeFolder(const std::string& path) { ASSERT_TRUE(std::filesystem::create_directory(path)); }
  void makeFile(const std::string& path) { writeText(path, "x"); }
  void makeLink(const std::string& target, const std::string& link) { std::filesystem::create_symlink(target, link); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Posix, FolderLinksContract, PosixSystemFoldersEnv);

}  // namespace
}  // namespace vellox::test
