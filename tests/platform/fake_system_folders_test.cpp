#include "contracts/folder_links_contract.h"
#include "contracts/system_folders_contract.h"
#include "fakes/fake_system_folders.h"

namespace vellox::test {
namespace {

struct FakeSystemFoldersEnv {
  FakeFiles files;
  FakeSystemFolders folders{files};
  FakeSystemFoldersEnv() { files.addFolder(root()); }
  SystemFolders& service() { return folders; }
  std::string root() const { return "C:\\Work\\Case"; }
  std::string driveRoot() const { return "C:\\"; }
  void makeFolder(const std::string& path) { files.addFolder(path); }
  void makeFile(const std::string& path) { files.addFile(path, "x"); }
  std::string join(const std::string& folder, const std::string& name) const { return folder + "\\" + name; }
  // A name of the tree marked as a link, as the listing shows one, and leading where the service says.
  void makeLink(const std::string& target, const std::string& link) {
    files.addFolder(link);
    files.node(link).link = true;
    folders.links[link] = target;
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, SystemFoldersContract, FakeSystemFoldersEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, FolderLinksContract, FakeSystemFoldersEnv);

}  // namespace
}  // namespace vellox::test
