// The gate attacked on Windows' own files under Wine, with fewer seeds: links are made from the
// Linux side, as Wine's own calls make none.
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include "files_temp_dir.h"
#include "platform/win32/handle.h"
#include "platform/win32/win32_services.h"
#include "unix_link.h"
#include "wipe/gate_attack.h"

namespace vellox::test {
namespace {

class WinDisk : public AttackDisk {
 public:
  void makeFile(const std::string& path, const std::string& bytes, bool readOnly) override {
    test::makeFile(path, bytes);
    written_[path] = bytes;
    if (readOnly) SetFileAttributesW(longForm(path).c_str(), FILE_ATTRIBUTE_READONLY);
  }
  void makeFolder(const std::string& path) override {
    const std::wstring wide = longForm(path) + L'\\';
    for (std::size_t cut = wide.find(L'\\', 7); cut != std::wstring::npos; cut = wide.find(L'\\', cut + 1))
      CreateDirectoryW(wide.substr(0, cut).c_str(), nullptr);
  }
  bool hardLink(const std::string& existing, const std::string& name) override {
    if (!CreateHardLinkW(longForm(name).c_str(), longForm(existing).c_str(), nullptr)) return false;
    written_[name] = written_[existing];
    return true;
  }
  bool folderLink(const std::string& target, const std::string& name) override {
    links_.push_back(std::make_unique<UnixLink>(target, name));
    return links_.back()->made();
  }
  bool holdOpen(const std::string& path) override {
    win32::UniqueHandle file(CreateFileW(longForm(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    held_.push_back(std::move(file));
    return true;
  }
  void release() override { held_.clear(); }
  bool isFolder(const std::string& path) override {
    const DWORD attributes = GetFileAttributesW(longForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
  }
  bool move(const std::string& from, const std::string& to) override {
    return MoveFileW(longForm(from).c_str(), longForm(to).c_str());
  }
  bool deletesByPath() const override { return true; }
  std::map<std::string, std::string> snapshot(const std::string& root) override {
    std::map<std::string, std::string> seen;
    add(root, seen);
    return seen;
  }

 private:
  void add(const std::string& folder, std::map<std::string, std::string>& seen) {
    WIN32_FIND_DATAW data;
    win32::UniqueFindHandle found(FindFirstFileW((longForm(folder) + L"\\*").c_str(), &data));
    if (!found) return;
    do {
      const std::string name = toUtf8(data.cFileName), path = folder + "\\" + name;
      if (name == "." || name == "..") continue;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        seen[path] = "link";
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        seen[path] = "folder";
        add(path, seen);
      } else {
        // A file held without sharing cannot be read: it is what was written.
        const std::string bytes = fileContents(path);
        seen[path] = (bytes == "<unreadable>" && written_.count(path) ? written_[path] : bytes) +
                     (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY ? " read-only" : "");
      }
    } while (FindNextFileW(found.get(), &data));
  }

  std::map<std::string, std::string> written_;
  std::vector<std::unique_ptr<UnixLink>> links_;
  std::vector<win32::UniqueHandle> held_;
};

TEST(GateAttackWin32, NothingOutsideWhatWasChosenChangesAndTheCountsAreWhatHappened) {
  auto files = win32::makeFiles();
  for (std::mt19937::result_type seed = 1; seed <= 10; ++seed) {
    WinTempDir dir;
    WinDisk disk;
    runAttackSeed(disk, *files, dir.path(), '\\', seed);
  }
}

}  // namespace
}  // namespace vellox::test
