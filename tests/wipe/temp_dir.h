#pragma once
#include <stdlib.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace vellox::test {

// A folder of the test's own under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vellox-wipe-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempDir() {
    std::error_code ignored;
    if (path_.empty()) return;
    // Permissions first, so that read-only leftovers can go too.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
      if (!entry.is_symlink()) std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                                            std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void writeText(const std::string& path, const std::string& contents) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

inline std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace vellox::test
