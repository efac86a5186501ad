#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>
#include "fakes/fake_files.h"
#include "platform/free_space.h"

namespace vellox::test {

// Volumes counted in clusters and, on NTFS, file-table records, whose fill files are names in
// a FakeFiles. Keeps the real service's rules (contracts/free_space_contract.h holds both to
// them): unbuffered writes are whole sectors, a write the volume cannot hold fails whole as
// Full, FAT32 files stop at 4 GiB less one byte, a file of a few hundred bytes lives in its NTFS
// record, a read-only volume takes nothing, and every file goes when closed.
class FakeFreeSpace : public FreeSpace {
 public:
  struct Volume {
    Drive drive;  // root like "D:\"
    DriveNature nature;
    DriveProblem problem = DriveProblem::None;
    std::uint64_t freeClusters = 0;
    std::uint64_t freeRecords = 0;  // NTFS only
    std::size_t fileLimit = 1000000;  // entries the fill folder takes (FAT, ext4 inodes)
    bool fullAsDenied = false;        // says "access denied" when full, as a FUSE file system does
    // Observed: the fewest free clusters and records seen while filling.
    std::uint64_t leastClusters = ~0ull;
    std::uint64_t leastRecords = ~0ull;
    std::size_t files = 0;  // fill files open
  };

  explicit FakeFreeSpace(FakeFiles& files) : files_(files) {}

  std::vector<Drive> writableDrives() override;
  DriveLookup lookUpDrive(const std::string& name) override;
  DriveNature nature(const Drive& drive) override { return volumeAt(drive.root)->nature; }
  std::optional<std::uint64_t> freeBytes(const Drive& drive) override;
  std::string volumeOf(const std::string& path) override;
  std::unique_ptr<FillFolder> openFillFolder(const std::string& path, FileStatus& status) override;
  std::unique_ptr<FillFile> createFillFile(const std::string& path, FillMode mode, FileStatus& status) override;
  FileStatus removeLeftover(const std::string& path) override;

  Volume& add(const std::string& root, const std::string& fileSystem, std::uint64_t freeClusters,
              std::uint32_t clusterBytes = 4096);
  Volume* volumeAt(const std::string& path) const;

  // Runs before every write; tests cancel or count from here.
  std::function<void()> beforeWrite;
  std::map<FillMode, std::size_t> created;
  std::size_t misalignedWrites = 0;
  std::size_t openFolders = 0;

 private:
  friend class FakeFillFile;
  friend class FakeFillFolder;
  FileStatus refusal(const std::string& path) const;
  FakeFiles& files_;
  mutable std::vector<std::unique_ptr<Volume>> volumes_;
};

}  // namespace vellox::test
