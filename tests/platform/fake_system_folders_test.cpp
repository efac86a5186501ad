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
  void makeLink(const std::string& target, const std::string& path) {
    files.addFolder(path);
    files.node(path).link = true;
    folders.links[path] = target;
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, SystemFoldersContract, FakeSystemFoldersEnv);

}  // namespace
}  // namespace vellox::test
