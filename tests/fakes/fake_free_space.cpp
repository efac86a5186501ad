#include "fakes/fake_free_space.h"
#include <algorithm>
#include <cctype>

namespace vellox::test {

namespace {

constexpr std::uint64_t kFat32Limit = 0xFFFFFFFFull;
constexpr std::size_t kRecordBytes = 1024;
constexpr std::size_t kResidentBytes = 700;  // what a record holds beside its own entries

FileStatus error(FileErrc code, long native, const char* text) { return FileStatus{code, native, text}; }

std::uint64_t clustersFor(std::uint64_t bytes, std::uint64_t cluster) { return (bytes + cluster - 1) / cluster; }

void note(FakeFreeSpace::Volume& v) {
  v.leastClusters = std::min(v.leastClusters, v.freeClusters);
  v.leastRecords = std::min(v.leastRecords, v.freeRecords);
}

std::string trimmed(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

class FakeFillFile : public FillFile {
 public:
  FakeFillFile(FakeFreeSpace& owner, FakeFreeSpace::Volume& volume, std::string path, FillMode mode)
      : owner_(owner), volume_(volume), path_(std::move(path)), mode_(mode) {}
  ~FakeFillFile() override {
    volume_.freeClusters += clusters_;
    if (volume_.drive.fileSystem == "NTFS") ++volume_.freeRecords;
    --volume_.files;
    owner_.files_.deleteFile(path_);
  }

  FillWrite append(const void*, std::size_t size) override {
    if (owner_.beforeWrite) owner_.beforeWrite();
    const std::uint64_t cluster = volume_.nature.clusterBytes;
    if (mode_ == FillMode::Unbuffered && size % volume_.nature.sectorBytes != 0) {
      ++owner_.misalignedWrites;
      return {FillOutcome::Failed, 0, error(FileErrc::Other, 87, "The parameter is incorrect.")};
    }
    const std::uint64_t after = size_ + size;
    if (volume_.drive.fileSystem == "FAT32" && after > kFat32Limit)
      return {FillOutcome::Failed, 0, error(FileErrc::Other, 223, "The file size exceeds the limit allowed.")};
    const bool resident = volume_.drive.fileSystem == "NTFS" && after <= kResidentBytes && clusters_ == 0;
    const std::uint64_t need = resident ? 0 : clustersFor(after, cluster) - clusters_;
    if (need > volume_.freeClusters && volume_.fullAsDenied)
      return {FillOutcome::Failed, 0, error(FileErrc::AccessDenied, 5, "Access denied.")};
    if (need > volume_.freeClusters)
      return {FillOutcome::Full, 0, error(FileErrc::Other, 112, "There is not enough space on the disk.")};
    volume_.freeClusters -= need;
    clusters_ += need;
    size_ = after;
    note(volume_);
    return {FillOutcome::Ok, size, {}};
  }

 private:
  FakeFreeSpace& owner_;
  FakeFreeSpace::Volume& volume_;
  std::string path_;
  FillMode mode_;
  std::uint64_t size_ = 0;
  std::uint64_t clusters_ = 0;
};

namespace {

class FakeFillFolder : public FillFolder {
 public:
  FakeFillFolder(FakeFreeSpace& owner, FakeFiles& files, std::string path)
      : owner_(owner), files_(files), path_(std::move(path)) {
    ++owner_.openFolders;
  }
  ~FakeFillFolder() override {
    --owner_.openFolders;
    files_.removeEmptyFolder(path_);
  }
  const std::string& path() const override { return path_; }

 private:
  FakeFreeSpace& owner_;
  FakeFiles& files_;
  std::string path_;
};

}  // namespace

FakeFreeSpace::Volume& FakeFreeSpace::add(const std::string& root, const std::string& fileSystem,
                                          std::uint64_t freeClusters, std::uint32_t clusterBytes) {
  auto volume = std::make_unique<Volume>();
  volume->drive = {root, "Disk " + root.substr(0, 1), fileSystem, freeClusters * clusterBytes,
                   2 * freeClusters * clusterBytes, false};
  volume->nature.clusterBytes = clusterBytes;
  volume->freeClusters = freeClusters;
  files_.addFolder(trimmed(root));
  volumes_.push_back(std::move(volume));
  return *volumes_.back();
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
  if (!v) return {DriveProblem::Missing, {}};
  if (v->problem != DriveProblem::None) return {v->problem, {}};
  Drive drive = v->drive;
  drive.freeBytes = *freeBytes(drive);
  return {DriveProblem::None, drive};
}

std::optional<std::uint64_t> FakeFreeSpace::freeBytes(const Drive& drive) {
  const Volume* v = volumeAt(drive.root);
  if (!v) return std::nullopt;
  return v->freeClusters * v->nature.clusterBytes;
}

std::string FakeFreeSpace::volumeOf(const std::string& path) {
  const Volume* v = volumeAt(path);
  return v ? v->drive.root : std::string();
}

std::unique_ptr<FillFolder> FakeFreeSpace::openFillFolder(const std::string& path, FileStatus& status) {
  if (!volumeAt(path)) {
    status = error(FileErrc::NotFound, 3, "The system cannot find the path specified.");
    return nullptr;
  }
  status = files_.createFolder(trimmed(path));
  if (!status.ok()) return nullptr;
  return std::make_unique<FakeFillFolder>(*this, files_, path);
}

std::unique_ptr<FillFile> FakeFreeSpace::createFillFile(const std::string& path, FillMode mode, FileStatus& status) {
  Volume* v = volumeAt(path);
  const std::string folder = path.substr(0, path.find_last_of('\\'));
  if (!v || !files_.exists(folder)) {
    status = error(FileErrc::NotFound, 3, "The system cannot find the path specified.");
    return nullptr;
  }
  if (files_.exists(path)) {
    status = error(FileErrc::Other, 80, "The file exists.");
    return nullptr;
  }
  const bool ntfs = v->drive.fileSystem == "NTFS";
  if (v->files >= v->fileLimit || (ntfs && v->freeRecords == 0 && v->freeClusters == 0)) {
    status = error(FileErrc::Other, 112, "There is not enough space on the disk.");
    return nullptr;
  }
  if (ntfs && v->freeRecords == 0) {  // the file table grows by a cluster
    --v->freeClusters;
    v->freeRecords += v->nature.clusterBytes / kRecordBytes;
  }
  if (ntfs) --v->freeRecords;
  note(*v);
  ++v->files;
  ++created[mode];
  files_.addFile(path);
  status = {};
  return std::make_unique<FakeFillFile>(*this, *v, path, mode);
}

FileStatus FakeFreeSpace::removeLeftover(const std::string& path) {
  removed.push_back(path);
  if (!path.empty() && path.back() == '\\') return files_.removeEmptyFolder(path);
  FileFacts facts;
  if (files_.fileFacts(path, facts).ok() && (facts.link || facts.directory))
    return error(FileErrc::AccessDenied, 5, "Access is denied.");
  return files_.deleteFile(path);
}

}  // namespace vellox::test
