#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <map>
#include "fakes/fake_files.h"
#include "contracts/files_contract.h"
#include "platform/posix/posix_files.h"
#include "wipe/temp_dir.h"

namespace fs = std::filesystem;

namespace vellox::test {
namespace {

class FakeHarness {
 public:
  static constexpr bool kSymlinks = true, kReadOnlyRefusesDelete = true;
  bool readOnlyRefusesWrites() { return true; }
  FakeHarness() { fake_.addFolder("C:\\c"); }
  Files& files() { return fake_; }
  std::string path(std::string name) {
    std::replace(name.begin(), name.end(), '/', '\\');
    return "C:\\c\\" + name;
  }
  bool makeFile(const std::string& path, const std::string& contents) {
    fake_.addFile(path, contents);
    return true;
  }
  bool makeFolder(const std::string& path) {
    fake_.addFolder(path);
    return true;
  }
  // The fake keeps one node a name: the harness makes names of one file alike.
  bool makeReadOnly(const std::string& path) {
    for (const auto& name : namesOf(path)) fake_.node(name).readOnly = true;
    return true;
  }
  bool hardLink(const std::string& existing, const std::string& path) {
    const auto data = fake_.node(existing).data;
    fake_.addFile(path).data = data;
    otherNames_[existing].push_back(path);
    otherNames_[path].push_back(existing);
    for (const auto& name : namesOf(path)) fake_.node(name).links = static_cast<std::uint32_t>(namesOf(path).size());
    return true;
  }
  bool symlink(const std::string&, const std::string& path, bool folder) {
    if (folder) fake_.addFolder(path);
    else fake_.addFile(path);
    return fake_.node(path).link = true;
  }
  std::string contents(const std::string& path) {
    const auto& data = fake_.node(path).data;
    return std::string(data.begin(), data.end());
  }
  bool exists(const std::string& path) { return fake_.exists(path); }
  std::string heldOpenFile() {
    fake_.addFile(path("held.txt")).locked = true;
    return path("held.txt");
  }

 private:
  std::vector<std::string> namesOf(const std::string& path) {
    auto names = otherNames_[path];
    names.push_back(path);
    return names;
  }

  FakeFiles fake_;
  std::map<std::string, std::vector<std::string>> otherNames_;
};

class PosixHarness {
 public:
  static constexpr bool kSymlinks = true, kReadOnlyRefusesDelete = false;
  // The superuser writes whatever the mode says.
  bool readOnlyRefusesWrites() { return ::geteuid() != 0; }
  Files& files() { return *files_; }
  std::string path(const std::string& name) { return dir_ / name; }
  bool makeFile(const std::string& path, const std::string& contents) {
    writeText(path, contents);
    return true;
  }
  bool makeFolder(const std::string& path) { return fs::create_directories(path); }
  bool makeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    return true;
  }
  bool hardLink(const std::string& existing, const std::string& path) { return ::link(existing.c_str(), path.c_str()) == 0; }
  bool symlink(const std::string& target, const std::string& path, bool) {
    return ::symlink(target.c_str(), path.c_str()) == 0;
  }
  std::string contents(const std::string& path) { return readText(path); }
  bool exists(const std::string& path) { return fs::symlink_status(path).type() != fs::file_type::not_found; }
  // The running program itself: the system refuses to open it for writing. Nothing is written.
  std::string heldOpenFile() { return fs::read_symlink("/proc/self/exe"); }

 private:
  TempDir dir_;
  std::unique_ptr<Files> files_ = posix::makeFiles();
};

INSTANTIATE_TYPED_TEST_SUITE_P(FakeFilesContract, FilesContract, FakeHarness);
INSTANTIATE_TYPED_TEST_SUITE_P(PosixFilesContract, FilesContract, PosixHarness);

}  // namespace
}  // namespace vellox::test
