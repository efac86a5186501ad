#pragma once
#include <cctype>
#include <functional>
#include <map>
#include "fakes/fake_files.h"
#include "platform/free_space.h"

namespace vellox::test {

// Volumes whose fill files are names in a FakeFiles, with the real service's rules that the contract or a test
// reads: space is taken in whole clusters, unbuffered writes are whole sectors, a write that does not fit fails
// whole, FAT32 files stop at 4 GiB less one byte, every NTFS file takes a file-table record, a read-only volume
// takes nothing, and every file goes when closed.
class FakeFreeSpace : public FreeSpace {
 public:
  struct Volume {
    Drive drive;  // with what is free now
    DriveNature nature;
    DriveProblem problem = DriveProblem::None;
    std::uint64_t freeRecords = 0;  // NTFS only
    bool fullAsDenied = false;      // says "access denied" when full, as a FUSE file system does
    bool ntfs() const { return drive.fileSystem == "NTFS"; }
  };

  explicit FakeFreeSpace(FakeFiles& files) : files_(files) {}

  Volume& add(const std::string& root, const std::string& fileSystem, std::uint64_t freeClusters,
              std::uint32_t clusterBytes = 4096) {
    files_.addFolder(root.substr(0, 2));
    const std::uint64_t free = freeClusters * clusterBytes;
    const Drive drive{root, "Disk " + root.substr(0, 1), fileSystem, free, 2 * free};
    return volumes_[root[0]] = {drive, {.clusterBytes = clusterBytes}, DriveProblem::None,
                                fileSystem == "NTFS" ? 16u : 0u};
  }

  std::vector<Drive> writableDrives() override {
    std::vector<Drive> drives;
    for (const auto& [letter, v] : volumes_)
      if (v.problem == DriveProblem::None) drives.push_back(v.drive);
    return drives;
  }
  DriveLookup lookUpDrive(const std::string& name) override {
    const Volume* v = volumeAt(name);
    return v ? DriveLookup{v->problem, v->problem == DriveProblem::None ? v->drive : Drive{}} : DriveLookup{};
  }
  DriveNature nature(const Drive& drive) override { return volumeAt(drive.root)->nature; }
  std::optional<std::uint64_t> freeBytes(const Drive& drive) override {
    return volumeAt(drive.root) ? std::optional(volumeAt(drive.root)->drive.freeBytes) : std::nullopt;
  }
  std::string volumeOf(const std::string& path) override { return volumeAt(path) ? volumeAt(path)->drive.root : ""; }

  std::unique_ptr<FillFolder> openFillFolder(const std::string& path, FileStatus& status) override {
    status = refusal(path);
    const bool made = !files_.exists(path.substr(0, path.size() - 1));
    if (status.ok()) status = files_.createFolder(path.substr(0, path.size() - 1));
    return status.ok() ? std::make_unique<Folder>(files_, path, made) : nullptr;
  }

  std::unique_ptr<FillFile> createFillFile(const std::string& path, FillMode mode, FileStatus& status) override {
    Volume* v = volumeAt(path);
    status = !files_.exists(path.substr(0, path.find_last_of('\\'))) ? noPath() : refusal(path);
    if (status.ok() && files_.exists(path)) status = {FileErrc::Other, 80, "The file exists."};
    if (status.ok() && v->ntfs() && !v->freeRecords) status = full();
    if (!status.ok()) return nullptr;
    v->freeRecords -= v->ntfs();
    files_.addFile(path);
    return std::make_unique<File>(*this, *v, path, mode);
  }

  // Runs before every write; tests cancel or count from here.
  std::function<void()> beforeWrite;
  std::size_t flushes = 0;  // of fill files, before they were released
  bool flushFails = false;

 private:
  struct Folder : FillFolder {
    Folder(FakeFiles& files, std::string path, bool made) : files(files), at(std::move(path)), made(made) {}
    ~Folder() override { if (made) files.removeEmptyFolder(at); }  // one there before is not the fill's
    const std::string& path() const override { return at; }
    FakeFiles& files;
    std::string at;
    bool made;
  };

  struct File : FillFile {
    File(FakeFreeSpace& owner, Volume& v, std::string path, FillMode mode)
        : owner(owner), v(v), path(std::move(path)), mode(mode) {}
    ~File() override {
      v.drive.freeBytes += taken;
      v.freeRecords += v.ntfs();
      owner.files_.deleteFile(path);
    }
    FillWrite append(const void*, std::size_t bytes) override {
      if (owner.beforeWrite) owner.beforeWrite();
      if (mode == FillMode::Unbuffered && bytes % v.nature.sectorBytes != 0)
        return {FillOutcome::Failed, 0, {FileErrc::Other, 87, "The parameter is incorrect."}};
      if (v.drive.fileSystem == "FAT32" && size + bytes > 0xFFFFFFFFull)
        return {FillOutcome::Failed, 0, {FileErrc::Other, 223, "The file size exceeds the limit allowed."}};
      const std::uint64_t cluster = v.nature.clusterBytes;
      const std::uint64_t need = (size + bytes + cluster - 1) / cluster * cluster - taken;
      if (need > v.drive.freeBytes)
        return v.fullAsDenied ? FillWrite{FillOutcome::Failed, 0, {FileErrc::AccessDenied, 5, "Access denied."}}
                              : FillWrite{FillOutcome::Full, 0, full()};
      v.drive.freeBytes -= need;
      taken += need;
      size += bytes;
      return {FillOutcome::Ok, bytes, {}};
    }
    FileStatus flush() override {
      ++owner.flushes;
      return owner.flushFails ? FileStatus{FileErrc::Other, 1117, "The request could not be performed."} : FileStatus{};
    }
    FakeFreeSpace& owner;
    Volume& v;
    std::string path;
    FillMode mode;
    std::uint64_t size = 0, taken = 0;  // bytes written, and in the clusters they take
  };

  static FileStatus full() { return {FileErrc::Other, 112, "There is not enough space on the disk."}; }
  static FileStatus noPath() { return {FileErrc::NotFound, 3, "The system cannot find the path specified."}; }
  Volume* volumeAt(const std::string& path) {
    const bool letter = path.size() == 1 || (path.size() > 1 && path[1] == ':');
    const auto v = letter ? volumes_.find(char(std::toupper(static_cast<unsigned char>(path[0])))) : volumes_.end();
    return v == volumes_.end() ? nullptr : &v->second;
  }
  // No such volume, or a read-only one.
  FileStatus refusal(const std::string& path) {
    if (!volumeAt(path)) return noPath();
    if (volumeAt(path)->problem != DriveProblem::ReadOnly) return {};
    return {FileErrc::AccessDenied, 19, "The media is write protected."};
  }

  FakeFiles& files_;
  std::map<char, Volume> volumes_;  // by drive letter, in the order writableDrives keeps
};

}  // namespace vellox::test
