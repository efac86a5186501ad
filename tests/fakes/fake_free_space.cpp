#include "fakes/fake_free_space.h"
#include <algorithm>
#include <cctype>

namespace vellox::test {

namespace {

constexpr std::uint64_t kFat32Limit = 0xFFFFFFFFull;
constexpr std::size_t kResidentBytes = 700;  // what an NTFS record holds beside its own entries
const FileStatus kFull{FileErrc::Other, 112, "There is not enough space on the disk."};
const FileStatus kNoPath{FileErrc::NotFound, 3, "The system cannot find the path specified."};
const FileStatus kReadOnly{FileErrc::AccessDenied, 19, "The media is write protected."};

std::string trimmed(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

FileStatus failed(long native, const char* text) {
  return {native == 5 ? FileErrc::AccessDenied : FileErrc::Other, native, text};
}

}  // namespace

class FakeFillFolder : public FillFolder {
 public:
  FakeFillFolder(FakeFreeSpace& owner, std::string path) : owner_(owner), path_(std::move(path)) { ++owner_.openFolders; }
  ~FakeFillFolder() override {
    --owner_.openFolders;
    owner_.files_.removeEmptyFolder(path_);
  }
  const std::string& path() const override { return path_; }

 private:
  FakeFreeSpace& owner_;
  std::string path_;
};

class FakeFillFile : public FillFile {
 public:
  FakeFillFile(FakeFreeSpace& owner, FakeFreeSpace::Volume& volume, std::string path, FillMode mode)
      : owner_(owner), v_(volume), path_(std::move(path)), mode_(mode) {}
  ~FakeFillFile() override {
    v_.freeClusters += clusters_;
    v_.freeRecords += v_.drive.fileSystem == "NTFS";
    --v_.files;
    owner_.files_.deleteFile(path_);
  }

  FillWrite append(const void*, std::size_t size) override {
    if (owner_.beforeWrite) owner_.beforeWrite();
    if (mode_ == FillMode::Unbuffered && size % v_.nature.sectorBytes != 0 && ++owner_.misalignedWrites)
      return {FillOutcome::Failed, 0, failed(87, "The parameter is incorrect.")};
    const std::uint64_t after = size_ + size, cluster = v_.nature.clusterBytes;
    if (v_.drive.fileSystem == "FAT32" && after > kFat32Limit)
      return {FillOutcome::Failed, 0, failed(223, "The file size exceeds the limit allowed.")};
    const bool resident = v_.drive.fileSystem == "NTFS" && after <= kResidentBytes && clusters_ == 0;
    const std::uint64_t need = resident ? 0 : (after + cluster - 1) / cluster - clusters_;
    if (need > v_.freeClusters)
      return v_.fullAsDenied ? FillWrite{FillOutcome::Failed, 0, failed(5, "Access denied.")}
                             : FillWrite{FillOutcome::Full, 0, kFull};
    v_.freeClusters -= need;
    clusters_ += need;
    size_ = after;
    v_.leastClusters = std::min(v_.leastClusters, v_.freeClusters);
    return {FillOutcome::Ok, size, {}};
  }

 private:
  FakeFreeSpace& owner_;
  FakeFreeSpace::Volume& v_;
  std::string path_;
  FillMode mode_;
  std::uint64_t size_ = 0, clusters_ = 0;
};

FakeFreeSpace::Volume& FakeFreeSpace::add(const std::string& root, const std::string& fileSystem,
                                          std::uint64_t freeClusters, std::uint32_t clusterBytes) {
  auto& v = *volumes_.emplace_back(std::make_unique<Volume>());
  v.drive = {root, "Disk " + root.substr(0, 1), fileSystem, 0, 2 * freeClusters * clusterBytes, false};
  v.nature.clusterBytes = clusterBytes;
  v.freeClusters = freeClusters;
  files_.addFolder(trimmed(root));
  return v;
}

FakeFreeSpace::Volume* FakeFreeSpace::volumeAt(const std::string& path) const {
  for (auto& v : volumes_)
    if (!path.empty() && std::toupper(static_cast<unsigned char>(path[0])) == v->drive.root[0] &&
        (path.size() == 1 || path[1] == ':'))
      return v.get();
  return nullptr;
}

std::vector<Drive> FakeFreeSpace::writableDrives() {
  std::vector<Drive> drives;
  for (auto& v : volumes_)
    if (v->problem == DriveProblem::None) drives.push_back(lookUpDrive(v->drive.root).drive);
  return drives;
}

DriveLookup FakeFreeSpace::lookUpDrive(const std::string& name) {
  Volume* v = volumeAt(name);
  if (!v || v->problem != DriveProblem::None) return {v ? v->problem : DriveProblem::Missing, {}};
  Drive drive = v->drive;
  drive.freeBytes = *freeBytes(drive);
  return {DriveProblem::None, drive};
}

std::optional<std::uint64_t> FakeFreeSpace::freeBytes(const Drive& drive) {
  const Volume* v = volumeAt(drive.root);
  return v ? std::optional(v->freeClusters * v->nature.clusterBytes) : std::nullopt;
}

std::string FakeFreeSpace::volumeOf(const std::string& path) {
  const Volume* v = volumeAt(path);
  return v ? v->drive.root : std::string();
}

// No such volume, or a read-only one.
FileStatus FakeFreeSpace::refusal(const std::string& path) const {
  const Volume* v = volumeAt(path);
  return !v ? kNoPath : v->problem == DriveProblem::ReadOnly ? kReadOnly : FileStatus{};
}

std::unique_ptr<FillFolder> FakeFreeSpace::openFillFolder(const std::string& path, FileStatus& status) {
  status = refusal(path);
  if (status.ok()) status = files_.createFolder(trimmed(path));
  return status.ok() ? std::make_unique<FakeFillFolder>(*this, path) : nullptr;
}

std::unique_ptr<FillFile> FakeFreeSpace::createFillFile(const std::string& path, FillMode mode, FileStatus& status) {
  Volume* v = volumeAt(path);
  status = !files_.exists(path.substr(0, path.find_last_of('\\'))) ? kNoPath : refusal(path);
  if (status.ok() && files_.exists(path)) status = {FileErrc::Other, 80, "The file exists."};
  const bool ntfs = v && v->drive.fileSystem == "NTFS";
  // On NTFS a file takes a record; the file table grows by a cluster when none is free.
  if (status.ok() && (v->files >= v->fileLimit || (ntfs && !v->freeRecords && !v->freeClusters))) status = kFull;
  if (!status.ok()) return nullptr;
  if (ntfs && !v->freeRecords) {
    --v->freeClusters;
    v->freeRecords += v->nature.clusterBytes / 1024;
  }
  v->freeRecords -= ntfs;
  v->leastRecords = std::min(v->leastRecords, v->freeRecords);
  ++v->files;
  ++created[mode];
  files_.addFile(path);
  return std::make_unique<FakeFillFile>(*this, *v, path, mode);
}

FileStatus FakeFreeSpace::removeLeftover(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return files_.removeEmptyFolder(path);
  FileFacts facts;
  if (files_.fileFacts(path, facts).ok() && (facts.link || facts.directory))
    return {FileErrc::AccessDenied, 5, "Access is denied."};
  return files_.deleteFile(path);
}

}  // namespace vellox::test
