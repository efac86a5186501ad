#pragma once
#include <cctype>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "fakes/fake_files.h"
#include "platform/free_space.h"

namespace vellox::test {

// Volumes counted in clusters and, on NTFS, file-table records, whose fill files are names in
// a FakeFiles. Keeps the real service's rules (contracts/free_space_contract.h holds both to
// them): unbuffered writes are whole sectors, a write the volume cannot hold fails whole as
// Full, FAT32 files stop at 4 GiB less one byte, every NTFS file takes a record, a read-only
// volume takes nothing, and every file goes when closed.
class FakeFreeSpace : public FreeSpace {
 public:
  struct Volume {
    Drive drive;  // root like "D:\"
    DriveNature nature;
    DriveProblem problem = DriveProblem::None;
    std::uint64_t freeClusters = 0;
    std::uint64_t freeRecords = 0;  // NTFS only
    bool fullAsDenied = false;      // says "access denied" when full, as a FUSE file system does
  };

  explicit FakeFreeSpace(FakeFiles& files) : files_(files) {}

  Volume& add(const std::string& root, const std::string& fileSystem, std::uint64_t freeClusters,
              std::uint32_t clusterBytes = 4096) {
    auto& v = *volumes_.emplace_back(std::make_unique<Volume>());
    v.drive = {root, "Disk " + root.substr(0, 1), fileSystem, 0, 2 * freeClusters * clusterBytes, false};
    v.nature.clusterBytes = clusterBytes;
    v.freeClusters = freeClusters;
    v.freeRecords = fileSystem == "NTFS" ? 16 : 0;
    files_.addFolder(trimmed(root));
    return v;
  }

  std::vector<Drive> writableDrives() override {
    std::vector<Drive> drives;
    for (auto& v : volumes_)
      if (v->problem == DriveProblem::None) drives.push_back(lookUpDrive(v->drive.root).drive);
    return drives;
  }
  DriveLookup lookUpDrive(const std::string& name) override {
    Volume* v = volumeAt(name);
    if (!v || v->problem != DriveProblem::None) return {v ? v->problem : DriveProblem::Missing, {}};
    Drive drive = v->drive;
    drive.freeBytes = *freeBytes(drive);
    return {DriveProblem::None, drive};
  }
  DriveNature nature(const Drive& drive) override { return volumeAt(drive.root)->nature; }
  std::optional<std::uint64_t> freeBytes(const Drive& drive) override {
    const Volume* v = volumeAt(drive.root);
    return v ? std::optional(v->freeClusters * v->nature.clusterBytes) : std::nullopt;
  }
  std::string volumeOf(const std::string& path) override {
    const Volume* v = volumeAt(path);
    return v ? v->drive.root : std::string();
  }

  std::unique_ptr<FillFolder> openFillFolder(const std::string& path, FileStatus& status) override {
    status = refusal(path);
    if (status.ok()) status = files_.createFolder(trimmed(path));
    return status.ok() ? std::make_unique<Folder>(files_, path) : nullptr;
  }

  std::unique_ptr<FillFile> createFillFile(const std::string& path, FillMode mode, FileStatus& status) override {
    Volume* v = volumeAt(path);
    status = !files_.exists(path.substr(0, path.find_last_of('\\'))) ? noPath() : refusal(path);
    if (status.ok() && files_.exists(path)) status = {FileErrc::Other, 80, "The file exists."};
    if (status.ok() && v->drive.fileSystem == "NTFS" && !v->freeRecords) status = full();
    if (!status.ok()) return nullptr;
    v->freeRecords -= v->drive.fileSystem == "NTFS";
    files_.addFile(path);
    return std::make_unique<File>(*this, *v, path, mode);
  }

  FileStatus removeLeftover(const std::string& path) override {
    return path.back() == '\\' ? files_.removeEmptyFolder(path) : files_.deleteFile(path);
  }

  // Runs before every write; tests cancel or count from here.
  std::function<void()> beforeWrite;
  std::size_t flushes = 0;  // of fill files, before they were released
  bool flushFails = false;

 private:
  struct Folder : FillFolder {
    Folder(FakeFiles& files, std::string path) : files(files), at(std::move(path)) {}
    ~Folder() override { files.removeEmptyFolder(at); }
    const std::string& path() const override { return at; }
    FakeFiles& files;
    std::string at;
  };

  class File : public FillFile {
   public:
    File(FakeFreeSpace& owner, Volume& volume, std::string path, FillMode mode)
        : owner_(owner), v_(volume), path_(std::move(path)), mode_(mode) {}
    ~File() override {
      v_.freeClusters += clusters_;
      v_.freeRecords += v_.drive.fileSystem == "NTFS";
      owner_.files_.deleteFile(path_);
    }

    FillWrite append(const void*, std::size_t size) override {
      if (owner_.beforeWrite) owner_.beforeWrite();
      if (mode_ == FillMode::Unbuffered && size % v_.nature.sectorBytes != 0)
        return {FillOutcome::Failed, 0, {FileErrc::Other, 87, "The parameter is incorrect."}};
      const std::uint64_t after = size_ + size, cluster = v_.nature.clusterBytes;
      if (v_.drive.fileSystem == "FAT32" && after > 0xFFFFFFFFull)
        return {FillOutcome::Failed, 0, {FileErrc::Other, 223, "The file size exceeds the limit allowed."}};
      const std::uint64_t need = (after + cluster - 1) / cluster - clusters_;
      if (need > v_.freeClusters)
        return v_.fullAsDenied ? FillWrite{FillOutcome::Failed, 0, {FileErrc::AccessDenied, 5, "Access denied."}}
                               : FillWrite{FillOutcome::Full, 0, full()};
      v_.freeClusters -= need;
      clusters_ += need;
      size_ = after;
      return {FillOutcome::Ok, size, {}};
    }

    FileStatus flush() override {
      ++owner_.flushes;
      return owner_.flushFails ? FileStatus{FileErrc::Other, 1117, "The request could not be performed."} : FileStatus{};
    }

   private:
    FakeFreeSpace& owner_;
    Volume& v_;
    std::string path_;
    FillMode mode_;
    std::uint64_t size_ = 0, clusters_ = 0;
  };

  static FileStatus full() { return {FileErrc::Other, 112, "There is not enough space on the disk."}; }
  static FileStatus noPath() { return {FileErrc::NotFound, 3, "The system cannot find the path specified."}; }
  static std::string trimmed(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
  }

  Volume* volumeAt(const std::string& path) const {
    for (auto& v : volumes_)
      if (!path.empty() && std::toupper(static_cast<unsigned char>(path[0])) == v->drive.root[0] &&
          (path.size() == 1 || path[1] == ':'))
        return v.get();
    return nullptr;
  }
  // No such volume, or a read-only one.
  FileStatus refusal(const std::string& path) const {
    const Volume* v = volumeAt(path);
    if (!v) return noPath();
    return v->problem == DriveProblem::ReadOnly ? FileStatus{FileErrc::AccessDenied, 19, "The media is write protected."}
                                                : FileStatus{};
  }

  FakeFiles& files_;
  mutable std::vector<std::unique_ptr<Volume>> volumes_;
};

}  // namespace vellox::test
