#include "browsers/stopping_files.h"
#include <utility>

namespace vellox {

namespace {

// A file opened before the stop: the write in progress ends, the next is refused.
class StoppingWritableFile final : public WritableFile {
 public:
  StoppingWritableFile(std::unique_ptr<WritableFile> file, StoppingFiles& owner)
      : file_(std::move(file)), owner_(owner) {}
  FileStatus length(std::uint64_t& length) override { return file_->length(length); }
  FileStatus writeAt(std::uint64_t offset, const void* data, std::size_t size) override {
    if (owner_.refuse()) return stoppedStatus();
    return file_->writeAt(offset, data, size);
  }
  FileStatus flush() override { return file_->flush(); }
  std::uint32_t linkCount() override { return file_->linkCount(); }

 private:
  std::unique_ptr<WritableFile> file_;
  StoppingFiles& owner_;
};

}  // namespace

FileStatus stoppedStatus() { return {FileErrc::Other, 0, "stopped"}; }

StoppingFiles::StoppingFiles(Files& files, std::function<bool()> stopped)
    : files_(files), stopped_(std::move(stopped)) {}

bool StoppingFiles::refuse() {
  if (!stopped_()) return false;
  ++refused_;
  return true;
}

std::unique_ptr<WritableFile> StoppingFiles::openForWrite(const std::string& path, FileStatus& status) {
  if (refuse()) {
    status = stoppedStatus();
    return nullptr;
  }
  auto file = files_.openForWrite(path, status);
  if (!file) return nullptr;
  return std::make_unique<StoppingWritableFile>(std::move(file), *this);
}

std::unique_ptr<FileNode> StoppingFiles::openNode(const std::string& literalPath, FileStatus& status) {
  if (refuse()) {
    status = stoppedStatus();
    return nullptr;
  }
  return files_.openNode(literalPath, status);
}

FileStatus StoppingFiles::deleteFile(const std::string& path) {
  return refuse() ? stoppedStatus() : files_.deleteFile(path);
}

FileStatus StoppingFiles::removeLink(const std::string& path) {
  return refuse() ? stoppedStatus() : files_.removeLink(path);
}

FileStatus StoppingFiles::deleteOneName(const std::string& path) {
  return refuse() ? stoppedStatus() : files_.deleteOneName(path);
}

Services withFiles(const Services& services, Files& files) {
  return {services.ui,       services.views,      services.settings, services.registry,
          services.shell,    files,               services.urlCache, services.urlHistory,
          services.download, services.instance,   services.systemFolders};
}

}  // namespace vellox
