// The gate attacked on POSIX files, with a fixed set of seeds.
#include "wipe/gate_attack.h"
#include <fcntl.h>
#include <unistd.h>
#include <filesystem>
#include <memory>
#include "platform/posix/posix_files.h"
#include "wipe/temp_dir.h"

namespace vellox::test {
namespace {

namespace fs = std::filesystem;

bool readOnly(const fs::file_status& status) {
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

class PosixDisk : public AttackDisk {
 public:
  void makeFile(const std::string& path, const std::string& bytes, bool readOnly) override {
    writeText(path, bytes);
    if (readOnly) fs::permissions(path, fs::perms::owner_read);
  }
  void makeFolder(const std::string& path) override { fs::create_directories(path); }
  bool hardLink(const std::string& existing, const std::string& name) override {
    std::error_code failed;
    fs::create_hard_link(existing, name, failed);
    return !failed;
  }
  bool folderLink(const std::string& target, const std::string& name) override {
    std::error_code failed;
    fs::create_directory_symlink(target, name, failed);
    return !failed;
  }
  bool holdOpen(const std::string&) override { return false; }  // nothing here refuses sharing
  std::function<std::string()> watch(const std::string& path) override {
    std::shared_ptr<int> fd(new int(::open(path.c_str(), O_RDONLY)), [](int* d) {
      if (*d >= 0) ::close(*d);
      delete d;
    });
    return [fd] {
      char bytes[64];
      const ssize_t got = ::pread(*fd, bytes, sizeof bytes, 0);
      return got < 0 ? std::string("<unreadable>") : std::string(bytes, static_cast<std::size_t>(got));
    };
  }
  void release() override {}
  bool isFolder(const std::string& path) override {
    std::error_code ignored;
    return fs::is_directory(fs::symlink_status(path, ignored));
  }
  bool move(const std::string& from, const std::string& to) override {
    std::error_code failed;
    fs::rename(from, to, failed);
    return !failed;
  }
  std::map<std::string, std::string> snapshot(const std::string& root) override {
    std::map<std::string, std::string> seen;
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(root, ignored); it != fs::recursive_directory_iterator(); ++it) {
      const auto& p = it->path();
      if (it->is_symlink()) seen[p.string()] = "link";
      else if (it->is_directory()) seen[p.string()] = "folder";
      else if (it->is_regular_file())
        seen[p.string()] = readText(p.string()) + (readOnly(it->status()) ? " read-only" : "");
    }
    return seen;
  }
};

TEST(GateAttack, NothingOutsideWhatWasChosenChangesAndTheCountsAreWhatHappened) {
  auto files = posix::makeFiles();
  for (std::mt19937::result_type seed = 1; seed <= 150; ++seed) {
    TempDir dir;
    PosixDisk disk;
    runAttackSeed(disk, *files, dir.path(), '/', seed);
  }
}

}  // namespace
}  // namespace vellox::test
