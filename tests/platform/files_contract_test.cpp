#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include "fakes/fake_files.h"
#include "platform/files_contract.h"
#include "platform/posix/posix_files.h"
#include "wipe/temp_dir.h"

namespace fs = std::filesystem;

namespace vellox::test {
namespace {

class FakeHarness {
 public:
  static constexpr bool kSymlinks = true, kReadOnlyRefusesWrites = true, kReadOnlyRefusesDelete = true;
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
  bool makeReadOnly(const std::string& path) { return fake_.node(path).readOnly = true; }
  bool hardLink(const std::string& existing, const std::string& path) {
    auto& first = fake_.node(existing);
    ++first.links;
    const auto data = first.data;
    auto& second = fake_.addFile(path);
    second.data = data;
    second.links = fake_.node(existing).links;
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

 private:
  FakeFiles fake_;
};

class PosixHarness {
 public:
  static constexpr bool kSymlinks = true, kReadOnlyRefusesDelete = false;
  // The superuser writes whatever the mode says.
  static inline const bool kReadOnlyRefusesWrites = ::geteuid() != 0;
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

 private:
  TempDir dir_;
  std::unique_ptr<Files> files_ = posix::makeFiles();
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, FilesContract, FakeHarness);
INSTANTIATE_TYPED_TEST_SUITE_P(Posix, FilesContract, PosixHarness);

}  // namespace
}  // namespace vellox::test
